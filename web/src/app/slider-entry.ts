// A slider's value typed instead of dragged: on a phone a tap lands a step
// or two off, so the box beside every slider opens a number field. The
// value is the slider's position itself or a tenth of it; a text that is not
// one of the slider's steps is refused with what is allowed.
import type { InputDesc } from "./model";
import { decimalPoint, make } from "./dom";

type Slider = Pick<InputDesc, "min" | "max" | "scale" | "unit">;

const kNumber = /^[+-]?(\d+(\.\d*)?|\.\d+)$/;

function factor(slider: Slider): number {
  return slider.scale === "tenth" ? 10 : 1;
}

// The slider's position for the typed text ("60", "0,8", "60 cm"), or
// undefined when it is no step of the slider.
export function sliderPosition(slider: Slider, text: string): number | undefined {
  let number = decimalPoint(text);
  if (slider.unit && number.toLowerCase().endsWith(slider.unit.toLowerCase())) {
    number = number.slice(0, -slider.unit.length).trim();
  }
  if (!kNumber.test(number)) return undefined;
  const scaled = Number(number) * factor(slider);
  const position = Math.round(scaled);
  if (Math.abs(scaled - position) > 1e-6 || position < slider.min || position > slider.max) return undefined;
  return position;
}

// A position as the slider's value box shows it: "1.2" for 12 in tenths.
export function positionText(slider: Slider, position: number): string {
  return (position / factor(slider)).toFixed(factor(slider) === 10 ? 1 : 0);
}

// What the slider allows, in the pattern's order: lowest, highest, unit, step.
export function allowed(slider: Slider): [string, string, string, string] {
  const text = (position: number) => positionText(slider, position);
  return [text(slider.min), text(slider.max), slider.unit, text(1)];
}

// The number field that stands in for the value box while typing: Enter or
// leaving enters, Escape cancels.
export function numberField(
  label: string,
  describedBy: string,
  enter: (text: string, leaving: boolean) => boolean,
  cancel: () => void,
): HTMLInputElement {
  const field = make("input", {
    type: "text",
    class: "number-field",
    inputmode: "decimal",
    autocomplete: "off",
    enterkeyhint: "done",
    "aria-label": label,
    "aria-describedby": describedBy,
  });
  // Set before entering: removing the field blurs it, which must not enter twice.
  let done = false;
  const finish = (leaving: boolean) => {
    done = true;
    done = enter(field.value, leaving);
  };
  field.addEventListener("keydown", (e) => {
    if (e.key === "Enter") {
      e.preventDefault();
      finish(false);
    } else if (e.key === "Escape") {
      e.preventDefault();
      done = true;
      cancel();
    }
  });
  field.addEventListener("blur", () => {
    if (!done) finish(true);
  });
  return field;
}
