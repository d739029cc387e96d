// The alignment page's dish on a motorised polar mount or with a second LNB,
// loaded when its section is first opened: the motor's turn and command, the
// mount's settings, the satellites visible from the site (a tap points the
// page at one), and the second LNB's figures. The figures and their texts are
// the engine's, so the window and kestrion-cli say the same; the captions are
// the window's.
import type { EngineApi } from "./engine-api";
import type { Motor, MultifeedInput, TurnDirection, VisibleSatellite } from "../engine";
import { format, type Catalogue } from "./i18n";
import { decimalPoint, make, setText } from "./dom";
import { suggestedNames } from "./entry";
import { Status } from "../generated/kestrion_api";

export interface MotorHooks {
  engine: Pick<EngineApi, "motor" | "setMotorLimit" | "visible" | "multifeed" | "complete">;
  // Points the alignment page at a satellite, by its listed name.
  choose(name: string): void;
  // After the limit changed: the rest of the page catches up.
  changed(): void;
  satelliteName(): string;
}

const kDialog = "kestrion::ui::MotorDialog";

interface Field {
  input: HTMLInputElement;
  problem: HTMLElement;
}

export class MotorSection {
  readonly element: HTMLElement;
  private readonly limit: Field;
  private readonly turn = make("output", { id: "motor-turn" });
  private readonly command = make("output", { id: "motor-diseqc" });
  private readonly mount = make("output", { id: "motor-mount" });
  private readonly warning = make("p", { class: "field-problem", id: "motor-warning", role: "alert" });
  private readonly visible = make("ul", { class: "visible-list", id: "visible-satellites" });
  private readonly fields: Record<MultifeedInput, Field>;
  private readonly names = make("datalist", { id: "second-satellite-names" });
  private readonly figures = make("p", { id: "multifeed-figures", "aria-live": "polite" });
  private readonly notes = make("div", { class: "multifeed-warnings", role: "alert" });
  private shownVisible = "";
  private readonly captions = new Map<Field, { caption: string; note: string | undefined; id: string }>();

  constructor(
    private readonly catalogue: Catalogue,
    private readonly hooks: MotorHooks,
  ) {
    this.limit = this.field("motor-limit", this.tr("Motor limit (deg)"), String(hooks.engine.motor().limit),
      this.tr("How far the motor turns either side of the meridian, 1 to 90 degrees"));
    this.limit.input.inputMode = "decimal";
    this.limit.input.addEventListener("change", () => this.setLimit());
    this.fields = {
      satellite: this.field("second-satellite", this.tr("Second satellite"), "",
        this.tr("By name or position, e.g. Hotbird 13E or 13E")),
      diameter: this.field("dish-diameter", this.tr("Dish diameter (m)"), "0.8"),
      focalLength: this.field("focal-length", this.tr("Focal length (m)"), "0.6",
        this.tr("For an offset dish, the focal length of the parent paraboloid it is cut from")),
    };
    const second = this.fields.satellite.input;
    second.setAttribute("list", this.names.id);
    second.addEventListener("input", () => this.suggest());
    this.fields.diameter.input.inputMode = "decimal";
    this.fields.focalLength.input.inputMode = "decimal";
    for (const f of Object.values(this.fields)) f.input.addEventListener("change", () => this.showMultifeed());
    this.visible.addEventListener("click", (e) => {
      const row = (e.target as Element).closest<HTMLButtonElement>("button[data-name]");
      if (row) hooks.choose(row.dataset.name!);
    });
    this.element = make(
      "div",
      { class: "motor-form" },
      make("h3", {}, this.tr("Motor (DiSEqC 1.2, USALS) on a polar mount")),
      this.row(this.limit),
      this.figure(this.tr("Motor angle"), this.turn),
      this.figure(this.tr("DiSEqC command"), this.command,
        this.tr("DiSEqC Goto angular position, after Eutelsat's positioner application note")),
      this.figure(this.tr("Polar mount"), this.mount),
      this.warning,
      make("h3", {}, this.tr("Satellites visible from here")),
      make("p", { class: "note" }, catalogue.web("visibleHint")),
      make("div", { class: "visible-scroll" }, this.visible),
      make("h3", {}, this.tr("Second LNB (multifeed)")),
      this.row(this.fields.satellite),
      this.names,
      this.row(this.fields.diameter),
      this.row(this.fields.focalLength),
      this.figures,
      this.notes,
    );
  }

  private tr(source: string): string {
    return this.catalogue.tr(kDialog, source);
  }

  // A box with its caption, a note for what a tooltip would say (a phone
  // has none), and its refusal beside it.
  private field(id: string, caption: string, value: string, note?: string): Field {
    const input = make("input", { type: "text", id, autocomplete: "off", spellcheck: "false",
      "aria-describedby": `${id}-problem${note ? ` ${id}-note` : ""}` });
    input.value = value;
    const problem = make("p", { id: `${id}-problem`, class: "field-problem", role: "alert" });
    problem.hidden = true;
    const field = { input, problem };
    this.captions.set(field, { caption, note, id });
    return field;
  }

  private row(field: Field): HTMLElement {
    const { caption, note, id } = this.captions.get(field)!;
    return make(
      "div",
      { class: "result-row motor-field" },
      make("label", { for: id }, caption),
      field.input,
      ...(note ? [make("p", { class: "note", id: `${id}-note` }, note)] : []),
      field.problem,
    );
  }

  private figure(caption: string, value: HTMLElement, note?: string): HTMLElement {
    const row = make("div", { class: "result-row" }, make("span", { class: "caption" }, caption), value);
    if (note) value.title = note;
    return row;
  }

  private direction(turn: TurnDirection): string {
    return turn === "east" ? this.tr("east") : turn === "west" ? this.tr("west") : this.tr("on the meridian");
  }

  private turnText(angle: string, turn: TurnDirection): string {
    return turn === "none" ? this.direction(turn) : `${angle} ${this.direction(turn)}`;
  }

  private setProblem(field: Field, text: string): void {
    setText(field.problem, text);
    field.problem.hidden = text === "";
    field.input.setAttribute("aria-invalid", String(text !== ""));
  }

  private setLimit(): void {
    const typed = this.limit.input.value.trim();
    const outcome = this.hooks.engine.setMotorLimit(decimalPoint(typed));
    this.setProblem(this.limit, outcome.status === Status.refused ? outcome.message : "");
    if (outcome.status !== Status.refused) this.hooks.changed();
  }

  private suggest(): void {
    const names = suggestedNames(this.hooks.engine, this.fields.satellite.input.value);
    this.names.replaceChildren(...names.map((name) => make("option", { value: name })));
  }

  // Everything again from the engine, after the site or satellite moved.
  update(): void {
    this.showMotor(this.hooks.engine.motor());
    performance.mark("kestrion-visible-start");
    const visible = this.hooks.engine.visible();
    performance.measure("kestrion-visible", "kestrion-visible-start");
    this.showVisible(visible);
    this.showMultifeed();
  }

  private showMotor(m: Motor): void {
    setText(this.turn, this.turnText(m.shown.angle, m.direction));
    setText(this.command, m.diseqc);
    setText(this.mount, format(this.tr("elevation scale %1, declination offset %2, dish elevation %3"),
      m.shown.latitudeScale, m.shown.declinationOffset, m.shown.dishElevation));
    setText(this.warning, m.beyondLimit
      ? format(this.tr("The satellite is beyond the motor's limit of %1: the motor cannot turn the dish to it."), m.shown.limit)
      : "");
    this.warning.hidden = !m.beyondLimit;
  }

  private showVisible(list: VisibleSatellite[]): void {
    const chosen = this.hooks.satelliteName();
    const key = JSON.stringify([chosen, list.map((v) => [v.name, v.shown])]);
    if (key === this.shownVisible) return; // the same rows: keep the list's scroll and focus
    this.shownVisible = key;
    const heads = [this.tr("Elevation"), this.tr("Azimuth"), this.tr("Skew"), this.tr("Magnetic bearing"), this.tr("Motor")];
    this.visible.replaceChildren(...list.map((v) => {
      const values = [v.shown.elevation, v.shown.azimuth, v.shown.skew, v.shown.magneticBearing,
        this.turnText(v.shown.motorAngle, v.motorDirection)];
      const figures = values.flatMap((value, i) => value === "" ? [] : [make("span", { class: "visible-figure" },
        make("span", { class: "caption" }, heads[i]), " ", value)]);
      const button = make("button", { type: "button", class: "visible-row", "data-name": v.name },
        make("span", { class: "visible-name" }, v.name), make("span", { class: "visible-figures" }, ...figures));
      if (v.name === chosen) button.setAttribute("aria-current", "true");
      return make("li", {}, button);
    }));
  }

  private showMultifeed(): void {
    for (const f of Object.values(this.fields)) this.setProblem(f, "");
    this.notes.replaceChildren();
    const typed = (input: MultifeedInput) => decimalPoint(this.fields[input].input.value);
    const second = this.fields.satellite.input.value.trim();
    if (second === "") {
      setText(this.figures, "");
      return;
    }
    const m = this.hooks.engine.multifeed(second, typed("diameter"), typed("focalLength"));
    if (m.problem) {
      this.setProblem(this.fields[m.problem.input], m.problem.message);
      setText(this.figures, "");
      return;
    }
    setText(this.figures, format(
      this.tr("Separation %1; second LNB %2 mm %3 of the first, seen from behind the dish; rail tilt %4; its skew %5"),
      m.shown.separation, String(m.shown.offsetMm), this.direction(m.side), m.shown.railTilt, m.shown.skew));
    const notes = [
      ...(m.tooClose ? [this.tr("Under 40 mm: two LNB bodies do not fit side by side; use a twin (monoblock) LNB.")] : []),
      ...(m.secondBelowHorizon ? [this.tr("The second satellite is below the horizon here.")] : []),
    ];
    this.notes.replaceChildren(...notes.map((n) => make("p", { class: "field-problem" }, n)));
  }
}
