// The alignment page's sun section, loaded when first opened: when the sun
// and a plumb line's shadow stand in the dish's direction, the coming sun
// outages and what an obstacle leaves of the view, from the engine's sun
// object, in the words of the window's sun window and the device's local
// time.
import type { Describe } from "./model";
import type { SunReport } from "../engine";
import type { Outcome } from "./engine-api";
import { Status } from "../generated/kestrion_api";
import { format, type Catalogue } from "./i18n";
import { decimalPoint, make, setText } from "./dom";
import sunTexts from "../texts/sun-texts.js";

export interface SunHooks {
  setOption(name: string, value: string): Outcome;
  setDate(date: string): Outcome; // the job's date, which the aids share
  date(): string;
  sun(): SunReport;
}

type SunFieldDesc = Describe["sunFields"][number];

const kDialog = "kestrion::ui::SunDialog";
const kFirstDate = "1900-01-01";
const kLastDate = "2100-12-31";
const kObstacle = ["obstacle-height", "obstacle-distance"];

// Each box: its option, its caption in the window's words (or the web's), its start.
const kBoxes: { name: string; caption: string; web?: keyof typeof sunTexts; start: (r: SunReport) => number | "" }[] = [
  { name: "diameter", caption: "Dish diameter (m)", start: (r) => r.diameter },
  { name: "frequency", caption: "Frequency (GHz)", start: (r) => r.frequency },
  { name: "days", caption: "Days of outages", start: (r) => r.days },
  { name: "obstacle-height", caption: "Obstacle's height above the dish (m)", start: () => "" },
  { name: "obstacle-distance", caption: "Obstacle's distance (m)", start: () => "" },
  { name: "obstacle-margin", caption: "", web: "margin", start: () => 0 },
];

export class SunSection {
  readonly element: HTMLElement;
  private readonly boxes = new Map<string, HTMLInputElement>();
  private readonly problems = new Map<string, HTMLElement>();
  private readonly dateBox: HTMLInputElement;
  private readonly times = make("div", { class: "sun-times", "aria-live": "polite" });
  private readonly outagesHead = make("p", { class: "sun-outages-head" });
  private readonly outages = make("tbody");
  private readonly obstacle = make("div", { class: "sun-obstacle", "aria-live": "polite" });

  constructor(
    private readonly d: Describe,
    private readonly catalogue: Catalogue,
    private readonly hooks: SunHooks,
  ) {
    const first = hooks.sun();
    this.dateBox = make("input", { type: "date", id: "sun-date", min: kFirstDate, max: kLastDate });
    this.dateBox.value = hooks.date();
    this.dateBox.addEventListener("change", () => this.changeDate());
    const form = make("div", { class: "sun-form" }, this.row("date", this.tr("Date"), this.dateBox));
    for (const box of kBoxes) form.append(this.numberRow(box.name, box.web ? this.web(box.web) : this.tr(box.caption), box.start(first)));
    const head = (source: string) => make("th", { scope: "col" }, this.tr(source));
    this.element = make(
      "div",
      { class: "sun-body" },
      form,
      make("h3", {}, this.web("sunTimes")),
      this.times,
      make("h3", {}, this.web("outages")),
      this.outagesHead,
      make(
        "div",
        { class: "sun-table" },
        make("table", { class: "sun-outages" }, make("thead", {}, make("tr", {}, head("Start"), head("Peak"), head("End"), head("Separation"))), this.outages),
      ),
      make("h3", {}, this.web("obstacle")),
      this.obstacle,
    );
    this.show(first);
  }

  // The site, the satellite or the date moved elsewhere.
  update(): void {
    this.dateBox.value = this.hooks.date();
    this.show(this.hooks.sun());
  }

  private tr(source: string): string {
    return this.catalogue.tr(kDialog, source);
  }

  private web(key: keyof typeof sunTexts): string {
    return this.catalogue.tr("Web", sunTexts[key]);
  }

  private row(name: string, caption: string, field: HTMLInputElement): HTMLElement {
    const id = `sun-${name}`;
    field.id = id;
    const problem = make("p", { id: `${id}-problem`, class: "message problem field-problem", "aria-live": "polite" });
    problem.hidden = true;
    field.setAttribute("aria-describedby", problem.id);
    this.problems.set(name, problem);
    return make("div", { class: "result-row" }, make("label", { for: id, class: "caption" }, caption), field, problem);
  }

  private numberRow(name: string, caption: string, start: number | ""): HTMLElement {
    const box = make("input", { type: "text", inputmode: "decimal", autocomplete: "off" });
    box.value = start === "" ? "" : this.number(start);
    box.addEventListener("change", () => this.change(name));
    this.boxes.set(name, box);
    return this.row(name, caption, box);
  }

  private number(value: number): string {
    return value.toLocaleString(this.catalogue.code, { useGrouping: false, maximumFractionDigits: 6 });
  }

  private setProblem(name: string, text: string): void {
    const p = this.problems.get(name)!;
    setText(p, text);
    p.hidden = text === "";
  }

  // What a box takes, in the user's numbers, from the engine's ranges.
  private allowed(f: SunFieldDesc): string {
    const pattern = f.whole ? "Enter a whole number from %1 to %2." : f.lowExcluded ? "Enter a number above %1 up to %2." : "Enter a number from %1 to %2.";
    return format(this.tr(pattern), this.number(f.low), this.number(f.high));
  }

  private change(name: string): void {
    const text = this.boxes.get(name)!.value.trim();
    this.setProblem(name, "");
    if (text === "" && kObstacle.includes(name)) {
      this.show(this.hooks.sun());
      return;
    }
    const outcome = this.hooks.setOption(name, decimalPoint(text));
    if (outcome.status === Status.refused) {
      const field = this.d.sunFields.find((f) => f.name === name)!;
      this.setProblem(name, format(this.web("notTaken"), text, this.allowed(field)));
      return;
    }
    this.show(this.hooks.sun());
  }

  private changeDate(): void {
    const text = this.dateBox.value;
    const outcome = /^\d{4}-\d{2}-\d{2}$/.test(text) && text >= kFirstDate && text <= kLastDate ? this.hooks.setDate(text) : undefined;
    if (!outcome || outcome.status === Status.refused) {
      this.setProblem("date", format(this.web("notTaken"), text, format(this.web("dateRange"), this.day(kFirstDate), this.day(kLastDate))));
      return;
    }
    // The page's refresh after the new date shows the figures.
    this.setProblem("date", "");
  }

  private day(date: string): string {
    return new Date(`${date}T12:00:00Z`).toLocaleDateString(this.catalogue.code, { timeZone: "UTC" });
  }

  private clock(time: string, seconds = false): string {
    return new Date(time).toLocaleTimeString(this.catalogue.code, { hour: "2-digit", minute: "2-digit", hourCycle: "h23", ...(seconds ? { second: "2-digit" } : {}) });
  }

  private degrees(value: number, decimals: number): string {
    return `${value.toLocaleString(this.catalogue.code, { minimumFractionDigits: decimals, maximumFractionDigits: decimals })}°`;
  }

  private show(r: SunReport): void {
    this.showTimes(r);
    this.showOutages(r);
    this.showObstacle(r);
  }

  private showTimes(r: SunReport): void {
    if (r.azimuth === null || r.elevation === null) {
      this.times.replaceChildren(make("p", {}, this.tr("The satellite is below the horizon: the sun can show no direction to it and causes no outage.")));
      return;
    }
    const zone = Intl.DateTimeFormat().resolvedOptions().timeZone ?? "";
    const lines = [format(this.tr("The dish faces %1 from true north, %2 up. Times in %3."), this.degrees(r.azimuth, 1), this.degrees(r.elevation, 1), zone)];
    const sentences = (found: SunReport["sunInDirection"], pattern: string, none: string) =>
      found.length ? found.map((s) => format(this.tr(pattern), this.clock(s.time), this.degrees(s.elevation, 1))) : [this.tr(none)];
    lines.push(
      ...sentences(r.sunInDirection, "At %1 face the sun: that is the dish's direction (the sun %2 high).", "The sun does not stand in the dish's direction this day while above the horizon."),
      ...sentences(r.shadowInDirection, "At %1 a plumb line's shadow points the way the dish must face (the sun %2 high).", "No shadow points the dish's way this day: the sun stands opposite the dish only below the horizon, or never."),
    );
    this.times.replaceChildren(...lines.map((l) => make("p", {}, l)));
  }

  private showOutages(r: SunReport): void {
    const lines = [format(this.tr("Beamwidth %1, so the sun disturbs the dish within %2 of the satellite."), this.degrees(r.beamwidth, 2), this.degrees(r.threshold, 2))];
    if (r.azimuth === null) lines.length = 0;
    else if (!r.sunReachesSatellite) lines.push(this.tr("The sun never reaches the satellite from this site."));
    else if (r.transits.length === 0) lines.push(this.tr("No sun outage in the days asked for."));
    else lines.push(this.tr("Sun outages in the days asked for: within each window the sun adds its own noise to the dish's, so the picture may break up for the window's minutes, every year, and nothing is wrong with the installation."));
    setText(this.outagesHead, lines.join(" "));
    this.outages.replaceChildren(
      ...r.transits.map((w) =>
        make(
          "tr",
          {},
          // The day above the time, so four columns fit a phone's width.
          make("td", {}, new Date(w.start).toLocaleDateString(this.catalogue.code), make("br"), this.clock(w.start, true)),
          make("td", {}, this.clock(w.peak, true)),
          make("td", {}, this.clock(w.end, true)),
          make("td", {}, this.degrees(w.separation, 2)),
        ),
      ),
    );
    (this.outages.parentElement?.parentElement as HTMLElement | null)?.toggleAttribute("hidden", r.transits.length === 0);
  }

  private showObstacle(r: SunReport): void {
    const given = kObstacle.map((n) => this.boxes.get(n)!.value.trim() !== "" && this.problems.get(n)!.hidden);
    const o = r.obstacle;
    if (given[0] !== given[1]) {
      this.setProblem(kObstacle[given[0] ? 1 : 0], this.tr("Enter the obstacle's height and its distance."));
    }
    if (!given[0] || !given[1] || !o || r.elevation === null) {
      this.obstacle.replaceChildren(make("p", {}, this.tr("Enter an obstacle's height and distance to see whether it blocks the satellite.")));
      return;
    }
    const clears = o.clearance >= 0;
    const verdict = format(this.tr(clears ? "The satellite clears it by %1." : "It blocks the satellite by %1."), this.degrees(Math.abs(o.clearance), 1));
    const metres = (m: number) => `${m.toLocaleString(this.catalogue.code, { minimumFractionDigits: 1, maximumFractionDigits: 1 })} m`;
    const needed =
      o.distanceNeeded !== null
        ? format(this.tr("To clear it by %1 it must stand at least %2 away."), `${this.number(o.margin)}°`, metres(o.distanceNeeded))
        : format(this.tr("No distance clears it by %1: the satellite stands no higher."), `${this.number(o.margin)}°`);
    this.obstacle.replaceChildren(
      make("p", {}, format(this.tr("Its top stands %1 above the horizontal."), this.degrees(o.elevation, 1))),
      make("p", { class: clears ? "figure sun-clear" : "figure sun-blocked" }, verdict),
      make("p", {}, needed),
    );
  }
}
