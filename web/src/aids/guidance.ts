// What the installer is told to do: turn left or right, raise or lower, by
// one decimal of a degree; and the engine's number texts read back as
// numbers. Pure, no DOM.

export type Turn = { way: "left" | "right" | "none"; by: string };
export type Raise = { way: "raise" | "lower" | "none"; by: string };

// An engine text as a number: "167.88" is 167.88, "" or a word is null.
export function numberIn(text: string | undefined): number | null {
  if (text === undefined || text.trim() === "") return null;
  const n = Number(text);
  return Number.isFinite(n) ? n : null;
}

// From -180 (exclusive) to 180: the shorter way round from one bearing to another.
export function turnBetween(from: number, to: number): number {
  const d = (((to - from) % 360) + 360) % 360;
  return d > 180 ? d - 360 : d;
}

function tenths(d: number): string {
  return Math.abs(d).toFixed(1);
}

export function turnTo(bearing: number, heading: number): Turn {
  const d = turnBetween(heading, bearing);
  const by = tenths(d);
  if (by === "0.0") return { way: "none", by };
  return { way: d > 0 ? "right" : "left", by };
}

export function raiseTo(target: number, measured: number): Raise {
  const d = target - measured;
  const by = tenths(d);
  if (by === "0.0") return { way: "none", by };
  return { way: d > 0 ? "raise" : "lower", by };
}
