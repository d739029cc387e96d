// The camera's picture as a window on the sky: where a direction falls on
// the screen, how far it lies from the cross, and the focal length worked
// out from an object sighted twice. Pure arithmetic, no DOM.
import { degrees, dot, screenAxes, toEarth, toPhone, type Matrix, type Vec3 } from "./orientation";

const kRad = Math.PI / 180;
// Nearer the camera's sideways plane than this, a point is not drawn.
const kMinDepth = 0.05;

// East, north, up of a direction given by compass azimuth and elevation.
export function skyDirection(azimuth: number, elevation: number): Vec3 {
  const a = azimuth * kRad;
  const e = elevation * kRad;
  return [Math.sin(a) * Math.cos(e), Math.cos(a) * Math.cos(e), Math.sin(e)];
}

// The picture as shown: its size in CSS pixels, the camera's focal length
// in the same pixels, and how the screen is turned.
export interface View {
  width: number;
  height: number;
  focal: number;
  screenAngle: number;
}

// Right, up and ahead of the camera, in screen terms.
function inCamera(r: Matrix, direction: Vec3, screenAngle: number): [number, number, number] {
  const d = toPhone(r, direction);
  const { up, right } = screenAxes(screenAngle);
  return [dot(d, right), dot(d, up), -d[2]];
}

export function project(r: Matrix, direction: Vec3, view: View): { x: number; y: number } | null {
  const [x, y, ahead] = inCamera(r, direction, view.screenAngle);
  if (ahead < kMinDepth) return null;
  return { x: view.width / 2 + (view.focal * x) / ahead, y: view.height / 2 - (view.focal * y) / ahead };
}

// How far right and up of the cross a direction lies, in degrees.
export function offsetFromCross(r: Matrix, direction: Vec3, screenAngle: number): { right: number; up: number } {
  const [x, y, ahead] = inCamera(r, direction, screenAngle);
  return { right: degrees(Math.atan2(x, ahead)), up: degrees(Math.atan2(y, Math.hypot(x, ahead))) };
}

export function cameraAxis(r: Matrix): Vec3 {
  return toEarth(r, [0, 0, -1]);
}

// The object first under the cross (the camera's axis then), now on a mark
// this many pixels from the centre: the focal length in pixels; null when
// the object is not ahead or has hardly moved.
export function focalFromSightings(object: Vec3, r: Matrix, screenAngle: number, mark: number): number | null {
  const [x, y, ahead] = inCamera(r, object, screenAngle);
  if (ahead < kMinDepth) return null;
  const off = Math.hypot(x, y) / ahead;
  return off < 1e-3 ? null : mark / off;
}

export function fieldOfView(focal: number, width: number): number {
  return 2 * degrees(Math.atan(width / 2 / focal));
}
