// The orientation events as the aids take them: the compass-referenced
// event where the browser has one, iOS's compass heading on the plain
// event, its permission asked from a tap; a phone without the sensors, or
// a refusal, reported once. Listeners exist only between start and stop.
import type { Angles } from "./orientation";

export interface Reading {
  angles: Angles;
  // What alpha counts from; undefined where it counts from nothing fixed.
  north: "magnetic" | "true" | undefined;
  accuracy: number | undefined; // degrees as the phone reports them; negative: unknown
}

export type FeedProblem = "denied" | "none";

type PermissionAsker = () => Promise<"granted" | "denied">;

interface IosOrientationEvent extends DeviceOrientationEvent {
  webkitCompassHeading?: number;
  webkitCompassAccuracy?: number;
}

// Nothing at all this long after starting: no sensor is there to answer.
const kSilenceMs = 3000;

function permissionAsker(): PermissionAsker | undefined {
  const asker = (globalThis.DeviceOrientationEvent as unknown as { requestPermission?: PermissionAsker } | undefined)
    ?.requestPermission;
  return typeof asker === "function" ? asker.bind(DeviceOrientationEvent) : undefined;
}

// Safari on iOS asks once a visit, and only from a tap; Chrome answers at
// once from the site's settings. The aids share the answer.
export type Access = "granted" | "denied" | "tap";

export class OrientationAccess {
  private granted = false;

  async ask(): Promise<Access> {
    const asker = permissionAsker();
    if (!asker || this.granted) return "granted";
    try {
      this.granted = (await asker()) === "granted";
      return this.granted ? "granted" : "denied";
    } catch {
      return "tap"; // asked without a tap, which iOS refuses
    }
  }
}

// The screen's turn from the phone's natural hold, 0 to 359; older iOS
// has only window.orientation (-90 to 180).
export function screenAngle(): number {
  const angle = screen.orientation?.angle ?? (window as { orientation?: number }).orientation ?? 0;
  return ((angle % 360) + 360) % 360;
}

export class OrientationFeed {
  private listening: string | undefined;
  private silence = 0;
  private reported = false;
  private readonly listener = (e: Event) => this.take(e as IosOrientationEvent);

  constructor(
    private readonly wantsNorth: boolean,
    private readonly onReading: (reading: Reading) => void,
    private readonly onProblem: (problem: FeedProblem) => void,
  ) {}

  start(): void {
    if (this.listening) return;
    this.reported = false;
    this.listening = this.wantsNorth && "ondeviceorientationabsolute" in window ? "deviceorientationabsolute" : "deviceorientation";
    window.addEventListener(this.listening, this.listener);
    this.silence = window.setTimeout(() => this.problem("none"), kSilenceMs);
  }

  stop(): void {
    if (this.listening) window.removeEventListener(this.listening, this.listener);
    this.listening = undefined;
    window.clearTimeout(this.silence);
  }

  private problem(problem: FeedProblem): void {
    if (!this.reported) this.onProblem(problem);
    this.reported = true;
  }

  private take(e: IosOrientationEvent): void {
    window.clearTimeout(this.silence);
    if (e.alpha === null || e.beta === null || e.gamma === null) {
      this.problem("none");
      return;
    }
    this.reported = false;
    const angles = { alpha: e.alpha, beta: e.beta, gamma: e.gamma };
    if (typeof e.webkitCompassHeading === "number") {
      // iOS: the heading of the phone's top edge from magnetic north; the
      // plain event's alpha counts from wherever it started.
      angles.alpha = (360 - e.webkitCompassHeading) % 360;
      this.onReading({ angles, north: "magnetic", accuracy: e.webkitCompassAccuracy });
      return;
    }
    // The absolute event's north is the magnetometer's.
    const north = e.type === "deviceorientationabsolute" || e.absolute ? "magnetic" : undefined;
    this.onReading({ angles, north, accuracy: undefined });
  }
}
