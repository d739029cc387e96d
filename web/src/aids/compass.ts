// The compass aid: the phone's heading, the bearing the page gives, and how
// far to turn, in words and on a dial; what the heading counts from, the
// accuracy the phone reports, and the warnings phone compasses need.
import { format, type Catalogue } from "../app/i18n";
import { setText } from "../app/dom";
import { compassLetters, line, panel, SensorAid } from "./aid";
import { Dial } from "./drawings";
import { turnBetween, turnTo } from "./guidance";
import { heading, rotation } from "./orientation";
import { screenAngle, type OrientationAccess, type Reading } from "./sensors";
import type { SunFix } from "./sun-fix";

// Worse than this (degrees either way) the phone wants calibrating.
const kPoorAccuracy = 15;

export class CompassAid extends SensorAid {
  readonly element: HTMLDetailsElement;
  private readonly dial: Dial;
  private readonly headingLine = line("figure");
  private readonly bearingLine = line("figure");
  private readonly turnLine = line("figure turn");
  private readonly accuracyLine = line();
  private readonly calibrateLine = line("aid-problem");
  private readonly sunLine = line("figure sun-fix");
  private reading: Reading | undefined;

  constructor(
    catalogue: Catalogue,
    access: OrientationAccess,
    private readonly sun: SunFix,
  ) {
    super(catalogue, access, true, "allowCompass", { denied: "compassDenied", none: "noCompass" });
    this.dial = new Dial(compassLetters(catalogue));
    this.calibrateLine.textContent = catalogue.web("calibrate");
    const advice = line("advice");
    advice.textContent = catalogue.web("holdAway");
    this.element = panel(
      "compass-aid",
      catalogue.web("compass"),
      this.sensors.allow,
      this.problem,
      this.dial.element,
      this.turnLine,
      this.headingLine,
      this.bearingLine,
      this.sunLine,
      this.accuracyLine,
      this.calibrateLine,
      advice,
      this.live.element,
    );
    this.clear();
  }

  start(): void {
    this.clear();
    super.start();
  }

  protected forget(): void {
    this.reading = undefined;
  }

  private clear(): void {
    this.calibrateLine.hidden = true;
    setText(this.headingLine, "");
    setText(this.turnLine, "");
    setText(this.accuracyLine, "");
    this.dial.show(null, null);
  }

  protected take(reading: Reading): void {
    this.reading = reading;
  }

  protected render(): void {
    const t = this.target;
    const r = this.reading;
    if (!t) return;
    // The sun's correction makes the heading true; until the phone says
    // otherwise, its heading is taken to be magnetic.
    const offset = this.sun.offsetFor(r);
    setText(this.sunLine, this.sun.status(this.catalogue));
    const magnetic = offset === null && r?.north !== "true";
    const bearing = magnetic ? t.magneticBearing : t.azimuth;
    setText(
      this.bearingLine,
      bearing === null
        ? this.catalogue.web(magnetic ? "noMagneticBearing" : "noAzimuth")
        : format(this.catalogue.web(magnetic ? "magneticBearingToFace" : "azimuthToFace"), magnetic ? t.magneticText : t.azimuthText),
    );
    if (!r) return;
    if (!r.north) {
      this.fail("none");
      return;
    }
    setText(this.problem, "");
    const phone = heading(rotation(r.angles), screenAngle());
    const h = phone === null || offset === null ? phone : (phone + offset + 360) % 360;
    if (h === null) {
      setText(this.headingLine, this.catalogue.web("holdLevel"));
      setText(this.turnLine, "");
      this.dial.show(null, null);
      this.live.set(this.headingLine.textContent ?? "");
      return;
    }
    setText(this.headingLine, format(this.catalogue.web(magnetic ? "magneticHeading" : "trueHeading"), h.toFixed(1)));
    setText(this.turnLine, bearing === null ? "" : this.turnText(bearing, h));
    this.dial.show(h, bearing === null ? null : turnBetween(h, bearing));
    this.showAccuracy(r.accuracy);
    const calibrate = this.calibrateLine.hidden ? "" : this.calibrateLine.textContent;
    this.live.set([this.turnLine.textContent, this.headingLine.textContent, this.sunLine.textContent, calibrate].filter(Boolean).join(". "));
  }

  private turnText(bearing: number, h: number): string {
    const turn = turnTo(bearing, h);
    if (turn.way === "none") return this.catalogue.web("facing");
    return format(this.catalogue.web(turn.way === "right" ? "turnRight" : "turnLeft"), turn.by);
  }

  private showAccuracy(accuracy: number | undefined): void {
    if (accuracy === undefined) {
      setText(this.accuracyLine, this.catalogue.web("noAccuracy"));
      this.calibrateLine.hidden = true;
      return;
    }
    setText(
      this.accuracyLine,
      accuracy < 0 ? this.catalogue.web("accuracyUnknown") : format(this.catalogue.web("accuracy"), accuracy.toFixed(0)),
    );
    this.calibrateLine.hidden = !(accuracy < 0 || accuracy > kPoorAccuracy);
  }
}
