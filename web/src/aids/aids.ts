// The alignment page's phone aids, under its figures: "Use my position",
// then the compass, the inclinometer and the sky view, each opened on
// demand. An aid's sensors and camera run only while it is open, its page
// is shown and the browser's page is in sight.
import type { Aids, Describe, State } from "../app/model";
import type { Catalogue } from "../app/i18n";
import { make } from "../app/dom";
import type { Aid, Target } from "./aid";
import { CompassAid } from "./compass";
import { numberIn } from "./guidance";
import { LevelAid } from "./level";
import { PositionAid, type PositionHooks } from "./position";
import { OrientationAccess } from "./sensors";
import type { ArcText } from "./sky";
import { SkyAid } from "./skyview";
import { SunFix, type SunSource } from "./sun-fix";

export interface PhoneAidHooks extends PositionHooks, SunSource {
  arc(): ArcText[];
  storage: Storage | undefined;
}

// The value box of a typed entry's input.
function valueOf(describe: Describe, entry: keyof Describe["typedEntries"]): string {
  const input = describe.typedEntries[entry];
  return describe.inputs.find((i) => i.name === input)!.value;
}

export function targetOf(describe: Describe, state: State, aids: Aids): Target {
  const text = (name: string) => state.texts[name] ?? "";
  const elevationText = text(describe.arcValues.elevation);
  const azimuthText = text(describe.arcValues.azimuth);
  const elevation = numberIn(elevationText);
  const visible = elevation !== null && elevation >= 0;
  return {
    elevation: visible ? elevation : null,
    elevationText,
    azimuth: visible ? numberIn(azimuthText) : null,
    azimuthText,
    magneticBearing: numberIn(state.pointing.magneticAzimuth),
    magneticText: state.pointing.magneticAzimuth,
    faceTilt: aids.faceTiltDegrees,
    faceTiltText: aids.faceTilt,
    offsetAngle: state.pointing.offsetAngle,
    declination: state.pointing.declination,
    satellite: aids.satelliteName || text(valueOf(describe, "satellite")),
    site: `${text(valueOf(describe, "latitude"))} ${text(valueOf(describe, "longitude"))}`,
  };
}

export class PhoneAids {
  readonly element: HTMLElement;
  private readonly aids: Aid[];
  private readonly running = new Set<Aid>();
  private shown = false;
  private readonly visibility = () => this.settle();

  constructor(
    private readonly describe: Describe,
    catalogue: Catalogue,
    hooks: PhoneAidHooks,
  ) {
    const access = new OrientationAccess();
    const sun = new SunFix(hooks);
    this.aids = [
      new CompassAid(catalogue, access, sun),
      new LevelAid(catalogue, access, hooks.storage),
      new SkyAid(catalogue, access, hooks, sun),
    ];
    const title = make("h2", { id: "phone-aids-title" }, catalogue.web("phoneAids"));
    this.element = make(
      "section",
      { class: "phone-aids", "aria-labelledby": title.id },
      title,
      new PositionAid(catalogue, hooks).element,
      ...this.aids.map((a) => a.element),
    );
    for (const aid of this.aids) aid.element.addEventListener("toggle", () => this.settle());
    document.addEventListener("visibilitychange", this.visibility);
  }

  setShown(shown: boolean): void {
    this.shown = shown;
    this.settle();
  }

  update(state: State, aids: Aids): void {
    const target = targetOf(this.describe, state, aids);
    for (const aid of this.aids) aid.update(target);
  }

  dispose(): void {
    this.shown = false;
    this.settle();
    document.removeEventListener("visibilitychange", this.visibility);
  }

  private settle(): void {
    const inSight = this.shown && document.visibilityState === "visible";
    for (const aid of this.aids) {
      const run = inSight && aid.element.open;
      if (run === this.running.has(aid)) continue;
      if (run) {
        this.running.add(aid);
        aid.start();
      } else {
        this.running.delete(aid);
        aid.stop();
      }
    }
  }
}
