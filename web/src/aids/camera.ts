// The arc over the rear camera's live picture: each position above the
// horizon placed by the phone's orientation, every tenth one numbered, the
// chosen satellite ringed; drawn on a canvas over the video only when the
// phone moves. The field of view is calibrated by sighting one object twice.
import { format, type Catalogue } from "../app/i18n";
import { make, setText } from "../app/dom";
import { button, compassLetters, line, readJson, writeJson, type Target } from "./aid";
import { LiveText } from "./live";
import { rotation, type Matrix, type Vec3 } from "./orientation";
import { cameraAxis, fieldOfView, focalFromSightings, offsetFromCross, project, skyDirection, type View } from "./projection";
import { OrientationFeed, screenAngle, type FeedProblem, type OrientationAccess, type Reading } from "./sensors";
import { placeLabels, positionText, type ArcPoint, type Box, type WantedLabel } from "./sky";
import type { CompassLetters } from "./drawings";
import type { SunFix } from "./sun-fix";
import type { SunPoint } from "../engine";

const kFocalKey = "kestrion.skyFocal";
// The focal length over the picture's longer side: about 64° across it,
// as most phones' main cameras, until calibrated.
const kFocal = 0.8;
// The calibration ring stands this share of the width right of the cross.
const kSighting = 0.3;
// Fields of view no phone camera has: a sighting gone wrong.
const kFieldOfView = [15, 130];
// The labels' type size, and the chosen satellite's ring, in CSS pixels.
const kFont = 13;
const kRing = 10;

export interface CameraHooks {
  problem(text: string): void; // shown above the diagram
  stopped(): void; // the camera ended by itself or was refused
}

export class CameraView {
  readonly element: HTMLElement;
  readonly calibration: HTMLElement;
  private readonly video: HTMLVideoElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly ring: HTMLElement;
  private readonly calibrate: HTMLButtonElement;
  private readonly calibrateLine = line("advice");
  private readonly live = new LiveText();
  private readonly feed: OrientationFeed;
  private stream: MediaStream | undefined;
  private opening = 0; // each start counts, so a late answer to an old one is dropped
  private reading: Reading | undefined;
  private arc: ArcPoint[][] = [];
  private directions = new Map<ArcPoint, Vec3>();
  private target: Target | undefined;
  private sunNow: SunPoint | null = null;
  private sunPath: readonly SunPoint[] = [];
  private offset: number | null = null;
  private focal: number;
  private step: "none" | "cross" | "ring" = "none";
  private object: Vec3 | undefined;
  private frame = 0;
  private ringBox: Box | undefined; // the chosen satellite's ring, kept clear of labels
  private readonly letters: CompassLetters;

  constructor(
    private readonly catalogue: Catalogue,
    private readonly access: OrientationAccess,
    private readonly storage: Storage | undefined,
    private readonly sun: SunFix,
    private readonly hooks: CameraHooks,
  ) {
    this.letters = compassLetters(catalogue);
    const stored = readJson(storage, kFocalKey);
    this.focal = typeof stored === "number" && stored > 0 ? stored : kFocal;
    this.video = make("video", { muted: "", playsinline: "", autoplay: "" });
    this.video.muted = true;
    this.canvas = make("canvas", { class: "overlay" });
    this.ring = make("div", { class: "ring" });
    this.ring.style.left = `${(0.5 + kSighting) * 100}%`;
    this.ring.hidden = true;
    this.element = make("div", { class: "camera" }, this.video, this.canvas, make("div", { class: "cross" }), this.ring);
    this.element.hidden = true;
    this.feed = new OrientationFeed(
      true,
      (r) => this.take(r),
      (p) => this.fail(p),
    );
    this.calibrate = button(catalogue.web("calibrateView"), () => this.calibrateStep());
    this.calibration = make("div", { class: "calibration" }, this.calibrate, this.calibrateLine, this.live.element);
    this.calibration.hidden = true;
    this.video.addEventListener("loadedmetadata", () => this.fit());
  }

  get on(): boolean {
    return this.stream !== undefined;
  }

  // False where the camera was refused or missing, which the hooks are told.
  async start(): Promise<boolean> {
    const opening = ++this.opening;
    if (!navigator.mediaDevices?.getUserMedia) {
      this.hooks.problem(format(this.catalogue.web("cameraMissing"), "getUserMedia"));
      return false;
    }
    let stream: MediaStream;
    try {
      stream = await navigator.mediaDevices.getUserMedia({ video: { facingMode: "environment" }, audio: false });
    } catch (e) {
      const name = e instanceof DOMException ? e.name : String(e);
      const denied = name === "NotAllowedError" || name === "SecurityError";
      this.hooks.problem(denied ? this.catalogue.web("cameraDenied") : format(this.catalogue.web("cameraMissing"), name));
      return false;
    }
    // Stopped while the browser was asking: not a failure.
    if (opening !== this.opening) {
      for (const track of stream.getTracks()) track.stop();
      return true;
    }
    this.stream = stream;
    for (const track of stream.getTracks()) track.addEventListener("ended", () => this.hooks.stopped());
    this.video.srcObject = stream;
    this.element.hidden = false;
    this.calibration.hidden = false;
    void this.video.play().catch(() => undefined);
    const access = await this.access.ask();
    if (opening !== this.opening) return true;
    if (access === "granted") this.feed.start();
    else this.fail(access === "denied" ? "denied" : "none");
    window.addEventListener("resize", this.redraw);
    return true;
  }

  stop(): void {
    ++this.opening;
    for (const track of this.stream?.getTracks() ?? []) track.stop();
    this.stream = undefined;
    this.video.srcObject = null;
    this.element.hidden = true;
    this.calibration.hidden = true;
    this.feed.stop();
    this.live.stop();
    window.removeEventListener("resize", this.redraw);
    window.cancelAnimationFrame(this.frame);
    this.frame = 0;
    this.reading = undefined;
    this.setStep("none");
  }

  // A new arc (the site moved) or target; the directions are worked out
  // once here, not every frame.
  show(arc: ArcPoint[][], target: Target, sunNow: SunPoint | null, sunPath: readonly SunPoint[]): void {
    this.arc = arc;
    this.target = target;
    this.sunNow = sunNow;
    this.sunPath = sunPath;
    this.directions = new Map();
    this.redraw();
  }

  private readonly redraw = () => {
    if (this.on && !this.frame) this.frame = window.requestAnimationFrame(() => this.draw());
  };

  private fit(): void {
    const { videoWidth: w, videoHeight: h } = this.video;
    if (w > 0 && h > 0) this.element.style.aspectRatio = `${w} / ${h}`;
    this.redraw();
  }

  private fail(problem: FeedProblem): void {
    this.hooks.problem(this.catalogue.web(problem === "denied" ? "compassDenied" : "noCompass"));
  }

  private take(reading: Reading): void {
    if (!reading.north) {
      this.fail("none");
      return;
    }
    if (this.reading?.north !== reading.north) this.directions = new Map();
    this.reading = reading;
    this.redraw();
  }

  // A sky direction in the phone's earth axes: those of a magnetic
  // compass stand turned by the declination, or by the sun's correction.
  private direction(az: number, el: number): Vec3 {
    const turn = this.offset !== null ? -this.offset : this.reading?.north === "magnetic" ? (this.target?.declination ?? 0) : 0;
    return skyDirection(az - turn, el);
  }

  private view(): View {
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    return { width, height, focal: this.focal * Math.max(width, height), screenAngle: screenAngle() };
  }

  private draw(): void {
    this.frame = 0;
    const context = this.canvas.getContext("2d");
    if (!context) return;
    const view = this.view();
    const scale = window.devicePixelRatio || 1;
    const [w, h] = [Math.round(view.width * scale), Math.round(view.height * scale)];
    if (this.canvas.width !== w || this.canvas.height !== h) [this.canvas.width, this.canvas.height] = [w, h];
    context.setTransform(scale, 0, 0, scale, 0, 0);
    context.clearRect(0, 0, view.width, view.height);
    if (!this.reading || !this.target) return;
    const offset = this.sun.offsetFor(this.reading);
    if (offset !== this.offset) [this.offset, this.directions] = [offset, new Map()];
    const r = rotation(this.reading.angles);
    context.font = `${kFont}px sans-serif`;
    context.textBaseline = "top";
    context.shadowColor = "#000";
    context.shadowBlur = 3;
    const marks = this.drawArc(context, r, view);
    this.drawSun(context, r, view);
    const chosen = this.drawChosen(context, r, view);
    this.drawLabels(context, view, chosen, marks);
  }

  // The sun's path today and the sun now, in the sun's own colour; never a
  // picture of the sun itself, which the screen shows.
  private drawSun(context: CanvasRenderingContext2D, r: Matrix, view: View): void {
    context.strokeStyle = "#ff9500";
    context.lineWidth = 2;
    context.beginPath();
    let drawing = false;
    for (const p of this.sunPath) {
      const at = p.elevation >= 0 ? project(r, this.direction(p.azimuth, p.elevation), view) : null;
      if (at && drawing) context.lineTo(at.x, at.y);
      else if (at) context.moveTo(at.x, at.y);
      drawing = at !== null;
    }
    context.stroke();
    const s = this.sunNow;
    const at = s && s.elevation >= 0 ? project(r, this.direction(s.azimuth, s.elevation), view) : null;
    if (!at) return;
    context.lineWidth = 3;
    context.beginPath();
    context.arc(at.x, at.y, 16, 0, 2 * Math.PI);
    context.stroke();
  }

  // The satellite's name first, then the numbered marks that still fit:
  // none over another or cut off at the picture's edge.
  private drawLabels(context: CanvasRenderingContext2D, view: View, chosen: WantedLabel | null, marks: WantedLabel[]): void {
    for (const { label, x, y } of placeLabels(chosen ? [chosen, ...marks] : marks, view, this.ringBox ? [this.ringBox] : [])) {
      context.fillStyle = label.colour;
      context.fillText(label.text, x, y);
    }
  }

  // A label's text and size as the canvas sets it; the caller adds its places.
  private wanted(context: CanvasRenderingContext2D, text: string, colour: string): Omit<WantedLabel, "places"> {
    return { text, colour, width: Math.ceil(context.measureText(text).width), height: kFont + 2 };
  }

  private drawArc(context: CanvasRenderingContext2D, r: Matrix, view: View): WantedLabel[] {
    context.lineWidth = 2;
    context.strokeStyle = "#ffd400";
    const labels: WantedLabel[] = [];
    for (const run of this.arc) {
      context.beginPath();
      let drawing = false;
      for (const p of run) {
        let d = this.directions.get(p);
        if (!d) this.directions.set(p, (d = this.direction(p.az, p.el)));
        const at = project(r, d, view);
        if (!at) {
          drawing = false;
          continue;
        }
        if (drawing) context.lineTo(at.x, at.y);
        else context.moveTo(at.x, at.y);
        drawing = true;
        context.rect(at.x - 1.5, at.y - 1.5, 3, 3);
        if (p.position % 10 !== 0) continue;
        const label = this.wanted(context, positionText(p.position, this.letters), "#ffd400");
        const [right, left, above, below] = [at.x + 4, at.x - 4 - label.width, at.y - 4 - label.height, at.y + 4];
        labels.push({ ...label, places: [{ x: right, y: above }, { x: left, y: above }, { x: right, y: below }, { x: left, y: below }] });
      }
      context.stroke();
    }
    return labels;
  }

  // The chosen satellite ringed, its aim said; its name's label, wanted
  // beside the ring, else above or below it.
  private drawChosen(context: CanvasRenderingContext2D, r: Matrix, view: View): WantedLabel | null {
    const t = this.target!;
    this.ringBox = undefined;
    if (t.elevation === null || t.azimuth === null) return null;
    const d = this.direction(t.azimuth, t.elevation);
    const at = project(r, d, view);
    const off = offsetFromCross(r, d, view.screenAngle);
    const across = format(this.catalogue.web(off.right >= 0 ? "skyRight" : "skyLeft"), Math.abs(off.right).toFixed(0));
    const upDown = format(this.catalogue.web(off.up >= 0 ? "skyUp" : "skyDown"), Math.abs(off.up).toFixed(0));
    this.live.set(format(this.catalogue.web("skyAim"), across, upDown));
    if (!at) return null;
    context.strokeStyle = "#ff3b30";
    context.lineWidth = 3;
    context.beginPath();
    context.arc(at.x, at.y, kRing, 0, 2 * Math.PI);
    context.stroke();
    const clear = kRing + 3;
    this.ringBox = { x: at.x - clear, y: at.y - clear, width: 2 * clear, height: 2 * clear };
    const label = this.wanted(context, t.satellite, "#fff");
    const [middle, centred] = [at.y - label.height / 2, at.x - label.width / 2];
    const places = [
      { x: at.x + clear, y: middle },
      { x: at.x - clear - label.width, y: middle },
      { x: centred, y: at.y - clear - label.height },
      { x: centred, y: at.y + clear },
    ];
    return { ...label, places, needed: true };
  }

  // Cross on the object, then the object in the ring: the focal length
  // follows from how far the phone turned between the two.
  private calibrateStep(): void {
    const r = this.reading && rotation(this.reading.angles);
    if (this.step === "none") {
      this.setStep("cross");
      return;
    }
    if (!r) {
      setText(this.calibrateLine, this.catalogue.web("noCompass"));
      return;
    }
    if (this.step === "cross") {
      this.object = cameraAxis(r);
      this.setStep("ring");
      return;
    }
    const view = this.view();
    const focal = focalFromSightings(this.object!, r, view.screenAngle, kSighting * view.width);
    const field = focal === null ? 180 : fieldOfView(focal, view.width);
    this.setStep("none");
    if (focal === null || field < kFieldOfView[0] || field > kFieldOfView[1]) {
      setText(this.calibrateLine, format(this.catalogue.web("calibrationFailed"), field.toFixed(0)));
      return;
    }
    this.focal = focal / Math.max(view.width, view.height);
    writeJson(this.storage, kFocalKey, this.focal);
    setText(this.calibrateLine, format(this.catalogue.web("calibrated"), field.toFixed(0)));
    this.redraw();
  }

  private setStep(step: "none" | "cross" | "ring"): void {
    this.step = step;
    this.ring.hidden = step !== "ring";
    const [label, advice] =
      step === "cross" ? (["crossOnObject", "calibrateCross"] as const)
      : step === "ring" ? (["objectInRing", "calibrateRing"] as const)
      : (["calibrateView", undefined] as const);
    setText(this.calibrate, this.catalogue.web(label));
    if (advice) setText(this.calibrateLine, this.catalogue.web(advice));
  }
}
