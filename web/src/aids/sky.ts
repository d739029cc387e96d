// The geostationary arc as the engine gives it, read for drawing: the
// positions above the horizon with their figures, in unbroken runs, and
// their places on a sky diagram (the horizon round, the zenith in the
// middle, north up, east right as on the compass rose). Pure, no DOM.
import type { ArcText } from "../engine";
import { numberIn } from "./guidance";

export type { ArcText };

export interface ArcPoint extends ArcText {
  el: number;
  az: number;
}

// Above the horizon as the page has it: a negative elevation is below.
export function visibleArc(arc: readonly ArcText[]): ArcPoint[] {
  const points: ArcPoint[] = [];
  for (const p of arc) {
    const el = numberIn(p.elevation);
    const az = numberIn(p.azimuth);
    if (el !== null && az !== null && el >= 0) points.push({ ...p, el, az });
  }
  return points;
}

// Neighbouring whole positions joined; where the arc dips under the
// horizon a new run starts. 180° and -180° are one place, so a run ending
// at one goes on into a run starting at the other.
export function runs(points: readonly ArcPoint[]): ArcPoint[][] {
  const out: ArcPoint[][] = [];
  for (const p of points) {
    const last = out[out.length - 1];
    if (last && p.position - last[last.length - 1].position === 1) last.push(p);
    else out.push([p]);
  }
  const last = out[out.length - 1];
  if (out.length > 1 && out[0][0].position === -180 && last[last.length - 1].position === 180) {
    out[0] = [...last, ...out[0]];
    out.pop();
  }
  return out;
}

export function polar(azimuth: number, elevation: number, radius: number): { x: number; y: number } {
  const r = (radius * (90 - Math.max(0, Math.min(90, elevation)))) / 90;
  const a = (azimuth * Math.PI) / 180;
  return { x: r * Math.sin(a), y: -r * Math.cos(a) };
}
