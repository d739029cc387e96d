// The C/N page's rain availability by the ITU-R method, opened on demand:
// its inputs from the engine's description, each change sent as the event
// kestrion-cli takes ("frequency:=12", "rain-zone:=K"), its figures from the
// report, so the browser shows what the window's section shows.
import { format, type Catalogue } from "./i18n";
import type { RainDescription, RainInput, Report, Row, State } from "./model";
import type { Outcome } from "./engine-api";
import { Status } from "../generated/kestrion_api";
import { decimalPoint, hint, make, setText, unitKept } from "./dom";

export interface RainHooks {
  run(event: string): boolean;
  // The same for a field, whose refusal it shows beside itself; a map file
  // named as the user chose it.
  set(event: string, fileName?: string): Outcome;
  putFile(name: string, bytes: Uint8Array): string; // its path in the engine
  report(): Report;
  state(): State;
  // Brings the page's own control of an input into view and focus.
  focusInput(value: string): void;
  storage: Storage | undefined;
}

type RainState = Record<string, unknown>;

const kDialog = "kestrion::ui::RainAvailabilityDialog";
const kStored = "kestrion.rainFade";
const kTyped = "";

// The state's key of each number box's value.
const kShown: Record<string, string> = {
  frequency: "frequency",
  tilt: "tilt",
  "rain-rate": "rainRate",
  "rain-height": "rainHeight",
  "station-height": "stationHeight",
  "required-cn": "requiredCarrierToNoise",
  target: "targetAvailability",
};

export class RainSection {
  readonly element: HTMLDetailsElement;
  private readonly fields = new Map<string, HTMLInputElement>();
  private readonly selects = new Map<string, HTMLSelectElement>();
  // Each field's refusal, beside it, by group: a new value of the group replaces it.
  private readonly problems = new Map<string, { group: string; element: HTMLElement }>();
  private readonly warnings: HTMLElement;
  private readonly results: HTMLElement;
  private readonly notes: HTMLElement;
  private readonly tilts: HTMLElement;
  // Each map's name beside its button, and the name the user chose it by.
  private readonly mapNames = new Map<string, HTMLElement>();
  private readonly chosen = new Map<string, string>();
  private built = false;

  constructor(
    private readonly d: RainDescription,
    private readonly catalogue: Catalogue,
    private readonly hooks: RainHooks,
  ) {
    this.results = make("div", { class: "rain-results", "aria-live": "polite" });
    this.warnings = make("div", { class: "rain-warnings", role: "alert" });
    this.notes = make("div", { class: "rain-notes" });
    this.tilts = make("div", { class: "rain-tilts aid-buttons" });
    this.element = make(
      "details",
      { class: "rain-availability" },
      make("summary", {}, catalogue.tr(kDialog, "Rain availability (ITU-R)")),
    );
    this.element.addEventListener("toggle", () => {
      if (this.element.open) this.open();
    });
  }

  // The info button and its note, or none where the field has no hint.
  private hint(tooltip: string, caption: string, id: string): Node[] {
    const text = this.tr(tooltip);
    if (!text) return [];
    const { button, note } = hint(text, format(this.catalogue.web("hintFor"), caption), `${id}-hint`);
    return [button, note];
  }

  private tr(source: string): string {
    return this.catalogue.tr(this.d.translationContext, source);
  }

  // The first opening sets the section up from the events last used here,
  // or the description's start.
  private open(): void {
    if (!this.built) {
      this.element.append(this.notes, this.form(), this.warnings, this.results);
      this.built = true;
      if (!this.rain()) {
        for (const event of this.remembered()) this.hooks.run(event);
      }
    }
    this.update();
  }

  private remembered(): string[] {
    try {
      const stored = JSON.parse(this.hooks.storage?.getItem(kStored) ?? "null") as Record<string, string> | null;
      if (stored && typeof stored === "object") {
        return this.d.start.map((event) => {
          const group = event.slice(0, event.indexOf(":="));
          const kept = stored[group];
          return typeof kept === "string" && !kept.includes("-map:=") ? kept : event;
        });
      }
    } catch {
      // A broken entry is passed over: the start events serve.
    }
    return this.d.start;
  }

  private remember(group: string, event: string): void {
    try {
      const stored = JSON.parse(this.hooks.storage?.getItem(kStored) ?? "{}") as Record<string, string>;
      stored[group] = event;
      this.hooks.storage?.setItem(kStored, JSON.stringify(stored));
    } catch {
      // Kept for this visit only.
    }
  }

  private send(group: string, event: string): void {
    if (this.hooks.run(event)) this.remember(group, event);
    this.update();
  }

  // A field's event: its refusal stands beside it, and the box shows the
  // value in force.
  private sendField(id: string, group: string, event: string, fileName?: string): boolean {
    const outcome = this.hooks.set(event, fileName);
    const problem = this.problems.get(id)!.element;
    if (outcome.status === Status.refused) {
      setText(problem, outcome.message);
      problem.hidden = false;
    } else {
      this.remember(group, event);
      for (const p of this.problems.values()) if (p.group === group) p.element.hidden = true;
    }
    this.update();
    const field = this.fields.get(id.slice("rain-".length));
    if (outcome.status === Status.refused && field) field.value = this.shown(kShown[id.slice("rain-".length)]);
    return outcome.status !== Status.refused;
  }

  // The message place of a field, which the field names as its description.
  private problemFor(id: string, group: string, field: HTMLElement): HTMLElement {
    const element = make("p", { id: `${id}-problem`, class: "message problem field-problem", "aria-live": "polite" });
    element.hidden = true;
    const described = field.getAttribute("aria-describedby");
    field.setAttribute("aria-describedby", described ? `${described} ${element.id}` : element.id);
    this.problems.set(id, { group, element });
    return element;
  }

  private shown(key: string): string {
    const value = (this.rain() ?? {})[key];
    return typeof value === "number" ? String(value) : "";
  }

  private rain(): RainState | undefined {
    return (this.hooks.state() as unknown as { rainFade?: RainState }).rainFade;
  }

  private input(event: string): RainInput {
    return this.d.inputs.find((i) => i.event === event)!;
  }

  private number(event: string): HTMLElement {
    const input = this.input(event);
    const id = `rain-${event}`;
    const field = make("input", {
      type: "text",
      id,
      inputmode: "decimal",
      title: this.tr(input.tooltip),
      "aria-describedby": `${id}-unit`,
    });
    field.addEventListener("change", () =>
      this.sendField(id, input.group, `${event}:=${decimalPoint(field.value)}`),
    );
    this.fields.set(event, field);
    const caption = this.tr(input.caption);
    const [button, note] = this.hint(input.tooltip, caption, id);
    return make(
      "div",
      { class: "result-row" },
      this.captioned(make("label", { for: id, class: "caption" }, caption), button),
      make("span", { class: "field-with-unit" }, field, make("span", { id: `${id}-unit`, class: "unit" }, input.unit)),
      this.problemFor(id, input.group, field),
      ...(note ? [note] : []),
    );
  }

  private select(id: string, caption: string, options: [string, string][], change: (value: string) => void): HTMLElement {
    const select = make("select", { id });
    for (const [value, text] of options) select.append(make("option", { value }, text));
    select.addEventListener("change", () => change(select.value));
    this.selects.set(id, select);
    return make("div", { class: "result-row" }, make("label", { for: id, class: "caption" }, caption), select);
  }

  private choice(event: string) {
    return this.d.choices.find((c) => c.event === event)!;
  }

  // The caption with its info button right beside it, not across the row.
  private captioned(label: HTMLElement, button: Node | undefined): HTMLElement {
    return make("span", { class: "caption-group" }, label, ...(button ? [button] : []));
  }

  // A map file the user downloaded from the ITU: read here, handed to the
  // engine, which reads it at the site. The browser's own file field says
  // its words in the browser's language and cuts them short, so a button in
  // the page's language opens it, with the file in use beside it.
  private mapPicker(event: string): HTMLElement {
    const choice = this.choice(event);
    const id = `rain-${event}`;
    const picker = make("input", {
      type: "file",
      id,
      accept: ".txt,.TXT,text/plain",
      class: "visually-hidden",
      tabindex: "-1",
      "aria-hidden": "true",
    });
    const choose = make(
      "button",
      {
        type: "button",
        class: "button",
        id: `${id}-choose`,
        title: this.tr(choice.tooltip),
        "aria-labelledby": `${id}-caption ${id}-choose`,
        "aria-describedby": `${id}-name`,
      },
      this.catalogue.tr(kDialog, "Choose\u2026"),
    );
    choose.addEventListener("click", () => picker.click());
    const name = make("span", { id: `${id}-name`, class: "map-name" });
    this.mapNames.set(event, name);
    picker.addEventListener("change", async () => {
      const file = picker.files?.[0];
      if (!file) return;
      const path = this.hooks.putFile(file.name, new Uint8Array(await file.arrayBuffer()));
      if (this.sendField(id, choice.group, `${event}:=${path}`, file.name)) this.chosen.set(event, file.name);
      picker.value = "";
      this.showMaps(this.rain() ?? {});
    });
    const caption = this.tr(choice.caption);
    const [button, note] = this.hint(choice.tooltip, caption, id);
    return make(
      "div",
      { class: "result-row" },
      this.captioned(make("label", { for: choose.id, id: `${id}-caption`, class: "caption" }, caption), button),
      make("span", { class: "map-picker" }, picker, choose, name),
      this.problemFor(id, choice.group, choose),
      ...(note ? [note] : []),
    );
  }

  private form(): HTMLElement {
    const polarization = this.choice("tilt");
    const rainZone = this.choice("rain-zone");
    const modcod = this.choice("required-cn");
    return make(
      "div",
      { class: "rain-form" },
      this.number("frequency"),
      this.select(
        "rain-polarization",
        this.tr(polarization.caption),
        this.d.polarizations.map((p) => [p.word, this.tr(p.caption)]),
        (word) => {
          if (word) this.send("tilt", `tilt:=${word}`);
          else this.update(true);
        },
      ),
      this.number("tilt"),
      this.tilts,
      this.select(
        "rain-zone",
        this.tr(rainZone.caption),
        [[kTyped, this.tr(rainZone.typed)], ...this.d.zones.map((z): [string, string] => [z.zone, `${z.zone} (${z.rainRate} mm/h)`])],
        (zone) => {
          if (zone) this.send("rain-rate", `rain-zone:=${zone}`);
          else this.update(true);
        },
      ),
      this.number("rain-rate"),
      this.mapPicker("rain-rate-map"),
      this.number("rain-height"),
      this.mapPicker("rain-height-map"),
      this.number("station-height"),
      this.select(
        "rain-modcod",
        this.tr(modcod.caption),
        [[kTyped, this.tr(modcod.typed)], ...this.d.modcods.map((m): [string, string] => [m.name, `${m.name} (${m.esN0} dB)`])],
        (name) => {
          if (name) this.send("required-cn", `required-cn:=${name}`);
          else this.update(true);
        },
      ),
      this.number("required-cn"),
      this.number("target"),
    );
  }

  // The boxes follow the state; `typing` shows the boxes a "typed" choice
  // has just opened.
  update(typing = false): void {
    if (!this.built || !this.element.open) return;
    const r = this.rain() ?? {};
    for (const [event, key] of Object.entries(kShown)) {
      const field = this.fields.get(event);
      if (field && document.activeElement !== field) field.value = this.shown(key);
    }
    const pick = (id: string, word: unknown) => {
      const select = this.selects.get(id);
      if (select && !typing) select.value = typeof word === "string" ? word : kTyped;
    };
    pick("rain-polarization", r.polarization ?? "");
    pick("rain-zone", r.rainZone);
    pick("rain-modcod", r.modcod);
    this.fields.get("tilt")!.disabled = this.selects.get("rain-polarization")!.value !== kTyped;
    this.fields.get("rain-rate")!.disabled = this.selects.get("rain-zone")!.value !== kTyped || "rainRateMap" in r;
    this.fields.get("required-cn")!.disabled = this.selects.get("rain-modcod")!.value !== kTyped;
    this.showMaps(r);
    this.showResults(this.hooks.report());
  }

  // The map in use by the name it was chosen by, or the window's "not used".
  private showMaps(r: RainState): void {
    for (const [event, key] of [["rain-rate-map", "rainRateMap"], ["rain-height-map", "rainHeightMap"]]) {
      const path = r[key];
      if (typeof path !== "string") this.chosen.delete(event);
      const name = typeof path === "string" ? (this.chosen.get(event) ?? path.slice(path.lastIndexOf("/") + 1)) : this.catalogue.tr(kDialog, "not used");
      setText(this.mapNames.get(event)!, name);
    }
  }

  // What the section starts from, with the way to change it, whether its
  // inputs are still the example, and the buttons that take the skew.
  private showNotes(report: Report): void {
    const notes = report.rainFade?.notes;
    if (!notes) return;
    const key = JSON.stringify(notes);
    if (this.notes.dataset.shown === key) return;
    this.notes.dataset.shown = key;
    const change = make("button", { type: "button", class: "button" }, this.catalogue.tr(kDialog, "Change on the C/N page"));
    change.addEventListener("click", () => this.hooks.focusInput("eirp"));
    this.notes.replaceChildren(
      make("p", { class: "note" }, ...unitKept(notes.basis), " ", change),
      ...(notes.example ? [make("p", { class: "note rain-example" }, notes.example)] : []),
    );
    this.tilts.replaceChildren(
      ...notes.tiltFromSkew.map((t) => {
        const b = make("button", { type: "button", class: "button" }, t.caption);
        b.addEventListener("click", () => this.send("tilt", t.event));
        return b;
      }),
    );
  }

  private showResults(report: Report): void {
    this.showNotes(report);
    const rows: Row[] = report.rainFade?.results ?? [];
    const warnings = report.rainFade?.warnings ?? [];
    if (this.warnings.textContent !== warnings.join("")) {
      this.warnings.replaceChildren(...warnings.map((w) => make("p", { class: "message problem" }, w)));
    }
    const body = make("tbody");
    for (const row of rows) {
      body.append(
        make("tr", {}, make("th", { scope: "row" }, ...unitKept(row.caption)), make("td", {}, ...unitKept(row.shown))),
      );
    }
    const table = make("table", { class: "rain-table" }, make("caption", {}, this.catalogue.tr(kDialog, "Availability")), body);
    const meanings = (report.rainFade?.notes.meanings ?? []).map((m) => make("p", { class: "note" }, ...unitKept(m)));
    const shown = make("div", {}, table, ...meanings);
    if (this.results.textContent !== shown.textContent) this.results.replaceChildren(table, ...meanings);
    setText(this.element.querySelector("summary")!, this.catalogue.tr(kDialog, "Rain availability (ITU-R)"));
  }
}
