// The sun as the aids' second reference: the installer points the camera
// at the sun, and the gap between the sun's true azimuth then and the
// phone's heading corrects the compass aid and the sky view, until it is
// 15 minutes old or the phone's reported accuracy jumps. Also the sun and
// its day's path on the sky diagram.
import type { SunPoint } from "../engine";
import { format, type Catalogue } from "../app/i18n";
import { make, setText } from "../app/dom";
import { button, line } from "./aid";
import { svg } from "./drawings";
import { bearingOf, rotation, toEarth } from "./orientation";
import { OrientationFeed, type Reading } from "./sensors";
import { polar } from "./sky";

export interface SunSource {
  sunAt(ms: number): SunPoint | null;
  sunPath(ms: number, hours: number, stepMinutes: number): SunPoint[];
}

// How long a correction holds, and the change in reported accuracy
// (degrees) that says the compass has been recalibrated or disturbed.
export const kFixLifeMs = 15 * 60 * 1000;
const kAccuracyJump = 10;
// The camera's axis must lie this far off the vertical to have a bearing.
const kLeastLevel = 0.2;

type Dropped = "expired" | "accuracy" | undefined;

function signed(degrees: number): number {
  return ((((degrees + 180) % 360) + 360) % 360) - 180;
}

export class SunFix {
  private fix: { offset: number; at: number; north: Reading["north"]; accuracy: number | undefined } | undefined;
  private dropped: Dropped;
  private readonly listeners: (() => void)[] = [];

  constructor(readonly source: SunSource) {}

  onChange(listener: () => void): void {
    this.listeners.push(listener);
  }

  // The phone's heading as true from north, with the correction in force;
  // null without one (dropped here when it has run out).
  offsetFor(reading: Reading | undefined): number | null {
    const f = this.fix;
    if (!f) return null;
    if (Date.now() - f.at > kFixLifeMs) this.drop("expired");
    else if (reading && (reading.north !== f.north || this.jumped(f.accuracy, reading.accuracy))) this.drop("accuracy");
    return this.fix ? this.fix.offset : null;
  }

  // Taken from a reading with the camera on the sun: a problem's key when
  // it cannot be.
  calibrate(reading: Reading | undefined): "ok" | "sunBelow" | "sunHold" | "noCompass" {
    if (!reading?.north) return "noCompass";
    const axis = toEarth(rotation(reading.angles), [0, 0, -1]);
    if (Math.hypot(axis[0], axis[1]) < kLeastLevel) return "sunHold";
    const sun = this.source.sunAt(Date.now());
    if (!sun || sun.refractedElevation < 0) return "sunBelow";
    this.fix = { offset: signed(sun.azimuth - bearingOf(axis)), at: Date.now(), north: reading.north, accuracy: reading.accuracy };
    this.dropped = undefined;
    this.changed();
    return "ok";
  }

  // What the aids say of it: "true north, from the sun, 2 minutes ago", or
  // that it was dropped; "" when there was never one.
  status(catalogue: Catalogue): string {
    if (this.fix) {
      const minutes = Math.floor((Date.now() - this.fix.at) / 60000);
      return minutes < 1 ? catalogue.web("sunFixNow") : minutes === 1 ? catalogue.web("sunFixOne") : format(catalogue.web("sunFixMinutes"), String(minutes));
    }
    if (this.dropped) return catalogue.web(this.dropped === "expired" ? "sunFixExpired" : "sunFixJumped");
    return "";
  }

  private jumped(then: number | undefined, now: number | undefined): boolean {
    if (then === undefined || now === undefined) return then !== now;
    return Math.abs(now - then) >= kAccuracyJump || (then < 0) !== (now < 0);
  }

  private drop(why: Dropped): void {
    this.fix = undefined;
    this.dropped = why;
    this.changed();
  }

  private changed(): void {
    for (const listener of this.listeners) listener();
  }
}

// How to hold the phone: its camera towards the sun, the sun in the circle.
function holdTowardsSun(): SVGSVGElement {
  const picture = svg(
    "svg",
    { viewBox: "0 0 220 110", class: "aid-picture sun-hold", "aria-hidden": "true" },
    svg("circle", { cx: 180, cy: 28, r: 14, class: "sun" }),
    svg("path", { d: "M 82 70 L 166 36", class: "sight" }),
    svg("rect", { x: 40, y: 22, width: 44, height: 80, rx: 6, class: "phone" }),
    svg("circle", { cx: 62, cy: 56, r: 13, class: "target-ring" }),
    svg("circle", { cx: 62, cy: 56, r: 6, class: "sun" }),
  );
  return picture;
}

// The calibration's panel: the warning first, then how to hold, then the tap.
export class SunCalibration {
  readonly element: HTMLElement;
  private readonly message = line("advice");
  private readonly state = line("figure sun-fix");
  private readonly feed: OrientationFeed;
  private reading: Reading | undefined;

  constructor(
    private readonly catalogue: Catalogue,
    private readonly fix: SunFix,
  ) {
    this.feed = new OrientationFeed(true, (r) => (this.reading = r), () => setText(this.message, catalogue.web("noCompass")));
    const warning = make("p", { class: "aid-problem sun-warning", role: "note" }, catalogue.web("sunWarning"));
    const how = line("advice");
    how.textContent = catalogue.web("sunHold");
    this.element = make(
      "div",
      { class: "sun-calibration" },
      make("h3", {}, catalogue.web("sunCalibrate")),
      warning,
      holdTowardsSun(),
      how,
      button(catalogue.web("sunInCircle"), () => this.tap()),
      this.message,
      this.state,
    );
    fix.onChange(() => this.show());
  }

  start(): void {
    this.feed.start();
  }

  stop(): void {
    this.feed.stop();
    this.reading = undefined;
  }

  show(): void {
    this.fix.offsetFor(this.reading);
    setText(this.state, this.fix.status(this.catalogue));
  }

  private tap(): void {
    const outcome = this.fix.calibrate(this.reading);
    setText(this.message, outcome === "ok" ? "" : this.catalogue.web(outcome));
    this.show();
  }
}

// The sun now and its path today on the sky diagram (the arc's own
// picture), the path only above the horizon.
export function drawSun(diagram: SVGSVGElement, now: SunPoint | null, path: readonly SunPoint[], label: string): void {
  const kRim = 100;
  const runs: string[][] = [[]];
  for (const p of path) {
    if (p.elevation < 0) {
      if (runs[runs.length - 1].length) runs.push([]);
      continue;
    }
    const { x, y } = polar(p.azimuth, p.elevation, kRim);
    runs[runs.length - 1].push(`${x.toFixed(1)},${y.toFixed(1)}`);
  }
  for (const run of runs) if (run.length > 1) diagram.append(svg("polyline", { points: run.join(" "), class: "sun-path" }));
  if (now && now.elevation >= 0) {
    const { x, y } = polar(now.azimuth, now.elevation, kRim);
    diagram.append(
      svg("circle", { cx: x.toFixed(1), cy: y.toFixed(1), r: 6, class: "sun" }),
      svg("text", { x: (x + 9).toFixed(1), y: (y + 4).toFixed(1), class: "sun-label" }, label),
    );
  }
}
