// The phone's attitude from the orientation events' three angles, and what
// the aids read off it: the way the phone faces, how far its screen leans,
// and the screen's own axes as the display is turned. Pure arithmetic, no DOM.

export type Vec3 = readonly [number, number, number];
// Rows of the rotation taking the phone's axes (x right, y to the top, z out
// of the screen) into the earth's (east, north, up).
export type Matrix = readonly [Vec3, Vec3, Vec3];

export interface Angles {
  alpha: number; // degrees about the earth's vertical
  beta: number; // about the phone's x axis
  gamma: number; // about its y axis
}

const kRad = Math.PI / 180;

export const degrees = (radians: number): number => radians / kRad;

export function dot(a: Vec3, b: Vec3): number {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

function cross(a: Vec3, b: Vec3): Vec3 {
  return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]];
}

function unit(v: Vec3): Vec3 {
  const n = Math.hypot(v[0], v[1], v[2]);
  return [v[0] / n, v[1] / n, v[2] / n];
}

// The orientation events' convention: about z by alpha, then x by beta, then
// y by gamma, each about the axes as already turned.
export function rotation({ alpha, beta, gamma }: Angles): Matrix {
  const [sa, ca] = [Math.sin(alpha * kRad), Math.cos(alpha * kRad)];
  const [sb, cb] = [Math.sin(beta * kRad), Math.cos(beta * kRad)];
  const [sg, cg] = [Math.sin(gamma * kRad), Math.cos(gamma * kRad)];
  return [
    [ca * cg - sa * sb * sg, -sa * cb, ca * sg + sa * sb * cg],
    [sa * cg + ca * sb * sg, ca * cb, sa * sg - ca * sb * cg],
    [-cb * sg, sb, cb * cg],
  ];
}

// A phone direction in earth axes, and an earth direction in phone axes.
export function toEarth(r: Matrix, v: Vec3): Vec3 {
  return [dot(r[0], v), dot(r[1], v), dot(r[2], v)];
}

export function toPhone(r: Matrix, v: Vec3): Vec3 {
  return [
    r[0][0] * v[0] + r[1][0] * v[1] + r[2][0] * v[2],
    r[0][1] * v[0] + r[1][1] * v[1] + r[2][1] * v[2],
    r[0][2] * v[0] + r[1][2] * v[1] + r[2][2] * v[2],
  ];
}

// The screen's up and right in phone axes. The angle is how far the phone
// is turned anticlockwise from its natural hold (screen.orientation.angle),
// the picture having turned back the other way.
export function screenAxes(screenAngle: number): { up: Vec3; right: Vec3 } {
  const s = Math.sin(screenAngle * kRad);
  const c = Math.cos(screenAngle * kRad);
  return { up: [s, c, 0], right: [c, -s, 0] };
}

// Compass bearing of an earth direction, 0 to 360, clockwise from north.
export function bearingOf(v: Vec3): number {
  return (degrees(Math.atan2(v[0], v[1])) + 360) % 360;
}

// Where the user faces holding the phone in front of them: along the
// screen's top when it lies flat, along the camera when it stands upright,
// and between the two as it tilts; null held so that neither says.
export function heading(r: Matrix, screenAngle: number): number | null {
  const { up } = screenAxes(screenAngle);
  const forward = toEarth(r, [up[0], up[1], up[2] - 1]);
  if (Math.hypot(forward[0], forward[1]) < 0.2) return null;
  return bearingOf(forward);
}

// Up, as the phone sees it: the unit vector its tilt is read from.
export function upInPhone(r: Matrix): Vec3 {
  return r[2];
}

// A level surface reads straight up; what a phone lying on one reads
// instead is its own error (a camera bump, the sensor's mounting). The
// correction turns that reading back to straight up.
export interface LevelZero {
  from: Vec3;
}

export function offLevel(up: Vec3): number {
  return degrees(Math.acos(Math.min(1, Math.max(-1, unit(up)[2]))));
}

export function corrected(up: Vec3, zero: LevelZero | undefined): Vec3 {
  if (!zero) return up;
  const from = unit(zero.from);
  const axis = cross(from, [0, 0, 1]);
  const sin = Math.hypot(axis[0], axis[1], axis[2]);
  if (sin < 1e-12) return up;
  // Rodrigues' turn about the axis by the angle between from and up.
  const k = unit(axis);
  const cos = from[2];
  const kxv = cross(k, up);
  const kv = dot(k, up);
  return [0, 1, 2].map((i) => up[i] * cos + kxv[i] * sin + k[i] * kv * (1 - cos)) as unknown as Vec3;
}

// The phone's back held flat on the back of the dish, the screen towards
// the installer: how far the dish face leans back from upright (forward
// negative). Turning the phone in that plane (upright or sideways) does not
// change it.
export function faceTiltOf(up: Vec3): number {
  return degrees(Math.asin(Math.min(1, Math.max(-1, -unit(up)[2]))));
}

// How far the phone's top edge points above the horizontal: laid along a
// line of sight, the elevation of what it is aimed at.
export function edgeElevationOf(up: Vec3): number {
  return degrees(Math.asin(Math.min(1, Math.max(-1, unit(up)[1]))));
}
