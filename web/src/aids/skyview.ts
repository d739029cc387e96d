// The sky view: the geostationary arc from the site as the engine gives it,
// on a sky diagram (the horizon round, elevation towards the middle) with
// the chosen satellite and the compass letters, its figures in words and
// in a table; and on demand the same arc over the rear camera's picture.
import { format, type Catalogue } from "../app/i18n";
import { make, setText } from "../app/dom";
import { button, compassLetters, line, panel, type Aid, type Target } from "./aid";
import { CameraView } from "./camera";
import { skyDiagram, type CompassLetters } from "./drawings";
import { positionText, runs, visibleArc, type ArcPoint, type ArcText } from "./sky";
import type { OrientationAccess } from "./sensors";
import { drawSun, SunCalibration, type SunFix } from "./sun-fix";
import type { SunPoint } from "../engine";

export interface SkyHooks {
  arc(): ArcText[];
  storage: Storage | undefined;
}

export class SkyAid implements Aid {
  readonly element: HTMLDetailsElement;
  private readonly camera: CameraView;
  private readonly toggle: HTMLButtonElement;
  private readonly problem = line("aid-problem");
  private readonly chosenLine = line("figure");
  private readonly visibleLine = line();
  private readonly diagram = make("div", { class: "sky-picture" });
  private readonly table = make("tbody");
  private readonly letters: CompassLetters;
  private cameraWanted = false;
  private running = false;
  private target: Target | undefined;
  private site = "";
  private points: ArcPoint[] = [];
  private readonly calibration: SunCalibration;
  private sunPath: SunPoint[] = [];
  private sunDay = "";

  constructor(
    private readonly catalogue: Catalogue,
    private readonly access: OrientationAccess,
    private readonly hooks: SkyHooks,
    private readonly sun: SunFix,
  ) {
    this.letters = compassLetters(catalogue);
    this.calibration = new SunCalibration(catalogue, sun);
    this.camera = new CameraView(catalogue, access, hooks.storage, sun, {
      problem: (text) => setText(this.problem, text),
      stopped: () => this.setCamera(false),
    });
    this.toggle = button(catalogue.web("cameraOn"), () => void this.setCamera(!this.cameraWanted));
    const caption = (source: string) => make("th", { scope: "col" }, catalogue.tr("Caption", source));
    const points = make(
      "details",
      { class: "arc-points" },
      make("summary", {}, catalogue.web("arcPoints")),
      make(
        "table",
        { class: "arc-table" },
        make("thead", {}, make("tr", {}, caption("Satellite position"), caption("Elevation angle (deg)"), caption("Azimuth angle (deg)"))),
        this.table,
      ),
    );
    this.element = panel(
      "sky-aid",
      catalogue.web("sky"),
      make("div", { class: "aid-buttons" }, this.toggle),
      this.problem,
      this.camera.element,
      this.camera.calibration,
      this.chosenLine,
      this.visibleLine,
      this.calibration.element,
      this.diagram,
      points,
    );
  }

  start(): void {
    this.running = true;
    this.calibration.start();
    this.refresh(true);
    if (this.cameraWanted) void this.openCamera();
  }

  stop(): void {
    this.running = false;
    this.calibration.stop();
    this.camera.stop();
  }

  update(target: Target): void {
    this.target = target;
    if (this.running) this.refresh(false);
  }

  // The arc is asked for only when the site has moved since.
  private refresh(force: boolean): void {
    if (!this.target) return;
    // A satellite without a name is its position, named as the arc's are.
    const position = /^[+-]?\d+(\.\d+)?$/.test(this.target.satellite) ? Number(this.target.satellite) : null;
    const t = position === null ? this.target : { ...this.target, satellite: positionText(position, this.letters) };
    if (force || t.site !== this.site) {
      this.site = t.site;
      this.points = visibleArc(this.hooks.arc());
      this.fillTable();
    }
    const chosen = t.elevation !== null && t.azimuth !== null ? { el: t.elevation, az: t.azimuth } : null;
    const diagram = skyDiagram(this.points, chosen, this.letters);
    const now = this.sunToday();
    drawSun(diagram, now, this.sunPath, this.catalogue.web("sun"));
    this.diagram.replaceChildren(diagram);
    this.calibration.show();
    setText(
      this.chosenLine,
      chosen ? format(this.catalogue.web("skyChosen"), t.satellite, t.elevationText, t.azimuthText) : this.catalogue.web("skyChosenBelow"),
    );
    const spans = runs(this.points).map((run) =>
      format(this.catalogue.web("skyRange"), this.positionText(run[0]), this.positionText(run[run.length - 1])),
    );
    setText(this.visibleLine, spans.length ? format(this.catalogue.web("skyVisible"), spans.join(", ")) : this.catalogue.web("skyNone"));
    this.camera.show(runs(this.points), t, now, this.sunPath);
  }

  // The sun now, and its path over the local day, asked for again when the
  // day or the site changes.
  private sunToday(): SunPoint | null {
    const now = Date.now();
    const midnight = new Date(now);
    midnight.setHours(0, 0, 0, 0);
    const day = `${midnight.getTime()} ${this.site}`;
    if (day !== this.sunDay) {
      this.sunDay = day;
      this.sunPath = this.sun.source.sunPath(midnight.getTime(), 24, 10);
    }
    return this.sun.source.sunAt(now);
  }

  private positionText(p: ArcPoint): string {
    return positionText(p.position, this.letters);
  }

  private fillTable(): void {
    this.table.replaceChildren(
      ...this.points.map((p) =>
        make("tr", {}, make("th", { scope: "row" }, this.positionText(p)), make("td", {}, p.elevation), make("td", {}, p.azimuth)),
      ),
    );
  }

  private async setCamera(on: boolean): Promise<void> {
    this.cameraWanted = on;
    setText(this.toggle, this.catalogue.web(on ? "cameraOff" : "cameraOn"));
    if (!on) {
      this.camera.stop();
      return;
    }
    // iOS asks for the compass only from a tap: this one.
    await this.access.ask();
    await this.openCamera();
  }

  private async openCamera(): Promise<void> {
    setText(this.problem, "");
    if (!(await this.camera.start())) {
      this.cameraWanted = false;
      setText(this.toggle, this.catalogue.web("cameraOn"));
    }
    // Closed while the browser was asking: the picture is not wanted now.
    if (!this.running) this.camera.stop();
  }
}
