// What every aid panel shares: the figures it aims at, taken from the
// alignment page, and the panel opened on demand, whose sensors run only
// while it is open and in sight.
import { make, setText } from "../app/dom";
import type { Catalogue, WebText } from "../app/i18n";
import type { CompassLetters } from "./drawings";
import { LiveText } from "./live";
import { OrientationFeed, type FeedProblem, type OrientationAccess, type Reading } from "./sensors";

export interface Target {
  elevation: number | null; // null below the horizon
  elevationText: string;
  azimuth: number | null; // true, from north
  azimuthText: string;
  magneticBearing: number | null; // null where the page gives none
  magneticText: string;
  faceTilt: number | null; // leaning back positive; null where the page gives none
  faceTiltText: string;
  offsetAngle: number;
  declination: number | null;
  satellite: string; // its name, else its position as the page shows it
  site: string; // latitude and longitude as shown: the arc changes with them
}

export interface Aid {
  readonly element: HTMLDetailsElement;
  start(): void;
  stop(): void;
  update(target: Target): void;
}

export function panel(className: string, title: string, ...body: (Node | string)[]): HTMLDetailsElement {
  return make("details", { class: `aid ${className}` }, make("summary", {}, title), ...body);
}

export function line(className = ""): HTMLParagraphElement {
  return make("p", { class: className });
}

export function button(text: string, action: () => void): HTMLButtonElement {
  const b = make("button", { type: "button", class: "button" }, text);
  b.addEventListener("click", action);
  return b;
}

// The rose's letters in the user's language.
export function compassLetters(catalogue: Catalogue): CompassLetters {
  const tr = (letter: string) => catalogue.tr("Caption", letter);
  return { north: tr("N"), east: tr("E"), south: tr("S"), west: tr("W") };
}

export function readJson(storage: Storage | undefined, key: string): unknown {
  try {
    return JSON.parse(storage?.getItem(key) ?? "null");
  } catch {
    return null; // a broken entry counts as none
  }
}

export function writeJson(storage: Storage | undefined, key: string, value: unknown): void {
  try {
    if (value === undefined) storage?.removeItem(key);
    else storage?.setItem(key, JSON.stringify(value));
  } catch {
    // Kept for this visit only.
  }
}

// Starts a feed once the browser allows it: at once where it answers
// without asking, else from a tap on the allow button.
export class SensorSwitch {
  readonly allow: HTMLButtonElement;
  private active = false;

  constructor(
    private readonly access: OrientationAccess,
    private readonly feed: OrientationFeed,
    label: string,
    private readonly denied: () => void,
  ) {
    this.allow = button(label, () => void this.attempt(true));
    this.allow.hidden = true;
  }

  start(): void {
    this.active = true;
    void this.attempt(false);
  }

  stop(): void {
    this.active = false;
    this.allow.hidden = true;
    this.feed.stop();
  }

  private async attempt(tapped: boolean): Promise<void> {
    const answer = await this.access.ask();
    if (!this.active) return;
    this.allow.hidden = answer !== "tap" || tapped;
    if (answer === "granted") this.feed.start();
    else if (answer === "denied" || tapped) this.denied();
  }
}

// An aid drawn from the orientation sensors: it listens only while started,
// draws at most once a frame, and tells a missing or refused sensor in words
// a screen reader hears too.
export abstract class SensorAid implements Aid {
  abstract readonly element: HTMLDetailsElement;
  protected readonly problem = line("aid-problem");
  protected readonly live = new LiveText();
  protected readonly sensors: SensorSwitch;
  protected target: Target | undefined;
  private frame = 0;

  constructor(
    protected readonly catalogue: Catalogue,
    access: OrientationAccess,
    wantsNorth: boolean,
    allowLabel: WebText,
    private readonly problems: Record<FeedProblem, WebText>,
  ) {
    const feed = new OrientationFeed(
      wantsNorth,
      (r) => {
        this.take(r);
        if (!this.frame) this.frame = window.requestAnimationFrame(() => this.drawFrame());
      },
      (p) => this.fail(p),
    );
    this.sensors = new SensorSwitch(access, feed, catalogue.web(allowLabel), () => this.fail("denied"));
  }

  start(): void {
    setText(this.problem, "");
    this.sensors.start();
  }

  stop(): void {
    this.sensors.stop();
    this.live.stop();
    window.cancelAnimationFrame(this.frame);
    this.frame = 0;
    this.forget();
  }

  update(target: Target): void {
    this.target = target;
    this.render();
  }

  protected fail(problem: FeedProblem): void {
    setText(this.problem, this.catalogue.web(this.problems[problem]));
    this.live.set(this.problem.textContent ?? "");
  }

  // A reading kept for the next frame, and the readings dropped on stopping.
  protected abstract take(reading: Reading): void;
  protected abstract forget(): void;
  protected abstract render(): void;

  private drawFrame(): void {
    this.frame = 0;
    this.render();
  }
}
