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

// A position as the page names satellites, with the compass letter in the
// user's language: "30° W", "19° E"; 0 and 180 need no side.
export function positionText(position: number, letters: { east: string; west: string }): string {
  const side = position === 0 || Math.abs(position) === 180 ? "" : ` ${position < 0 ? letters.west : letters.east}`;
  return `${Math.abs(position)}°${side}`;
}

export interface Box {
  x: number; // left
  y: number; // top
  width: number;
  height: number;
}

// A label to place: its size and where it may stand (top-left corners, the
// best first). A needed label (the chosen satellite's) is always shown,
// moved inside the view if none of its places fits; another is left out
// rather than drawn over one placed before it or cut off at the edge.
export interface WantedLabel {
  text: string;
  colour: string;
  width: number;
  height: number;
  places: { x: number; y: number }[];
  needed?: boolean;
}

const overlaps = (a: Box, b: Box) =>
  a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

// The labels that can be shown, in the order given, each clear of the
// others and of the boxes kept free (the chosen satellite's ring).
export function placeLabels(
  wanted: readonly WantedLabel[],
  view: { width: number; height: number },
  free: readonly Box[] = [],
): (Box & { label: WantedLabel })[] {
  const taken: Box[] = [...free];
  const placed: (Box & { label: WantedLabel })[] = [];
  const inside = (b: Box) => b.x >= 0 && b.y >= 0 && b.x + b.width <= view.width && b.y + b.height <= view.height;
  const clamped = (b: Box) => ({
    ...b,
    x: Math.max(0, Math.min(b.x, view.width - b.width)),
    y: Math.max(0, Math.min(b.y, view.height - b.height)),
  });
  for (const w of wanted) {
    const boxes = w.places.map((p) => ({ x: p.x, y: p.y, width: w.width, height: w.height }));
    // A needed label tries its places moved inside too, then overlaps at worst.
    const tried = w.needed ? [...boxes, ...boxes.map(clamped)] : boxes;
    const box = tried.find((b) => inside(b) && !taken.some((t) => overlaps(b, t))) ?? (w.needed ? tried[boxes.length] : undefined);
    if (!box) continue;
    taken.push(box);
    placed.push({ ...box, label: w });
  }
  return placed;
}
