// The inclinometer: the phone's back on the back of the dish reads how far
// the face leans; with the dish's offset angle that is the elevation it
// points at, shown against the page's, and for an offset dish the face
// tilt against the page's. One tap on a level surface takes the phone's
// own error off, kept for the next visit.
import { format, type Catalogue } from "../app/i18n";
import { make, setText } from "../app/dom";
import { button, line, panel, readJson, SensorAid, writeJson } from "./aid";
import { holdOnDish, lyingLevel } from "./drawings";
import { raiseTo } from "./guidance";
import { corrected, edgeElevationOf, faceTiltOf, offLevel, rotation, upInPhone, type LevelZero, type Vec3 } from "./orientation";
import type { OrientationAccess, Reading } from "./sensors";

const kZeroKey = "kestrion.levelZero";
// A phone further off than this is not lying on a level surface.
const kMostOffLevel = 5;
const kWindow = "kestrion::ui::MainWindow";

function storedZero(storage: Storage | undefined): LevelZero | undefined {
  const from = readJson(storage, kZeroKey);
  const ok = Array.isArray(from) && from.length === 3 && from.every((n) => Number.isFinite(n)) && from[2] > 0;
  return ok ? { from: from as unknown as Vec3 } : undefined;
}

export class LevelAid extends SensorAid {
  readonly element: HTMLDetailsElement;
  private readonly raiseLine = line("figure turn");
  private readonly elevationLine = line("figure");
  private readonly targetLine = line("figure");
  private readonly tiltLine = line("figure");
  private readonly targetTiltLine = line("figure");
  private readonly zeroLine = line();
  private readonly obstacleTopLine = line("figure");
  private readonly clearanceLine = line("figure turn");
  private readonly sightButton: HTMLButtonElement;
  private sighting = false;
  private zero: LevelZero | undefined;
  private up: Vec3 | undefined;

  constructor(
    catalogue: Catalogue,
    access: OrientationAccess,
    private readonly storage: Storage | undefined,
  ) {
    super(catalogue, access, false, "allowSensors", { denied: "sensorsDenied", none: "noTilt" });
    this.zero = storedZero(storage);
    this.sightButton = button(catalogue.web("obstacleSight"), () => this.toggleSighting());
    const how = line("advice");
    how.textContent = catalogue.web("levelHow");
    const zeroHow = line("advice");
    zeroHow.textContent = catalogue.web("zeroHow");
    this.element = panel(
      "level-aid",
      catalogue.web("level"),
      this.sensors.allow,
      this.problem,
      make("div", { class: "aid-picture" }, holdOnDish(), how),
      this.raiseLine,
      this.elevationLine,
      this.targetLine,
      this.tiltLine,
      this.targetTiltLine,
      make("div", { class: "aid-picture" }, lyingLevel(), zeroHow),
      make(
        "div",
        { class: "aid-buttons" },
        button(catalogue.web("zero"), () => this.setZero()),
        button(catalogue.web("clearZero"), () => this.clearZero()),
      ),
      this.zeroLine,
      this.obstacleSection(),
      this.live.element,
    );
    this.showZero();
  }

  // Sighting an obstacle's top along the phone's long edge, in the
  // satellite's direction, tells whether it stands in the way.
  private obstacleSection(): HTMLElement {
    const how = line("advice");
    how.textContent = this.catalogue.web("obstacleHow");
    this.sightButton.setAttribute("aria-pressed", "false");
    return make("div", { class: "obstacle-sight" }, how, make("div", { class: "aid-buttons" }, this.sightButton), this.obstacleTopLine, this.clearanceLine);
  }

  private toggleSighting(): void {
    this.sighting = !this.sighting;
    this.sightButton.setAttribute("aria-pressed", String(this.sighting));
    this.render();
  }

  private renderSighting(up: Vec3, satellite: number | null): boolean {
    if (!this.sighting) {
      for (const l of [this.obstacleTopLine, this.clearanceLine]) setText(l, "");
      return false;
    }
    const top = edgeElevationOf(corrected(up, this.zero));
    setText(this.obstacleTopLine, format(this.catalogue.web("obstacleTop"), top.toFixed(1)));
    const clearance = satellite === null ? null : satellite - top;
    setText(
      this.clearanceLine,
      clearance === null ? "" : format(this.catalogue.web(clearance >= 0 ? "clearBy" : "blockedBy"), Math.abs(clearance).toFixed(1)),
    );
    this.live.set([this.clearanceLine.textContent, this.obstacleTopLine.textContent].filter(Boolean).join(". "));
    return true;
  }

  protected forget(): void {
    this.up = undefined;
  }

  protected take(reading: Reading): void {
    this.up = upInPhone(rotation(reading.angles));
    setText(this.problem, "");
  }

  private tilted(degrees: number): string {
    const source = degrees > 0.05 ? "%1° leans back" : degrees < -0.05 ? "%1° leans forward" : "%1° upright";
    return format(this.catalogue.tr(kWindow, source), Math.abs(degrees).toFixed(1));
  }

  protected render(): void {
    const t = this.target;
    if (!t) return;
    const offsetDish = t.offsetAngle > 0;
    setText(this.targetLine, t.elevation === null ? this.catalogue.web("noElevation") : format(this.catalogue.web("targetElevation"), t.elevationText));
    setText(this.targetTiltLine, offsetDish && t.faceTilt !== null ? format(this.catalogue.web("targetFaceTilt"), t.faceTiltText) : "");
    if (!this.up) {
      for (const l of [this.raiseLine, this.elevationLine, this.tiltLine, this.obstacleTopLine, this.clearanceLine]) setText(l, "");
      return;
    }
    const tilt = faceTiltOf(corrected(this.up, this.zero));
    const elevation = tilt + t.offsetAngle;
    setText(this.elevationLine, format(this.catalogue.web("measuredElevation"), elevation.toFixed(1)));
    setText(this.tiltLine, offsetDish ? format(this.catalogue.web("measuredFaceTilt"), this.tilted(tilt)) : "");
    setText(this.raiseLine, t.elevation === null ? "" : this.raiseText(t.elevation, elevation));
    if (this.renderSighting(this.up, t.elevation)) {
      // The dish's own readings mean nothing while the phone sights an obstacle.
      for (const l of [this.raiseLine, this.elevationLine, this.tiltLine]) setText(l, "");
      return;
    }
    this.live.set([this.raiseLine.textContent, this.elevationLine.textContent].filter(Boolean).join(". "));
  }

  private raiseText(target: number, measured: number): string {
    const raise = raiseTo(target, measured);
    if (raise.way === "none") return this.catalogue.web("onTarget");
    return format(this.catalogue.web(raise.way === "raise" ? "raise" : "lower"), raise.by);
  }

  private setZero(): void {
    if (!this.up) {
      setText(this.zeroLine, this.catalogue.web("noTilt"));
      return;
    }
    const off = offLevel(this.up);
    if (off > kMostOffLevel) {
      setText(this.zeroLine, format(this.catalogue.web("zeroTooFar"), off.toFixed(1)));
      return;
    }
    this.zero = { from: this.up };
    writeJson(this.storage, kZeroKey, this.up);
    this.showZero();
    this.render();
  }

  private clearZero(): void {
    this.zero = undefined;
    writeJson(this.storage, kZeroKey, undefined);
    this.showZero();
    this.render();
  }

  private showZero(): void {
    setText(
      this.zeroLine,
      this.zero ? format(this.catalogue.web("zeroed"), offLevel(this.zero.from).toFixed(1)) : this.catalogue.web("noZero"),
    );
  }
}
