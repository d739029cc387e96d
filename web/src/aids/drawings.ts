// The aids' drawings, our own simple SVG: the compass dial with its needle,
// how to hold the phone on the dish and on a level surface, and the sky
// diagram. Each is hidden from screen readers: the figures beside it say
// the same in words.
import { polar, runs, type ArcPoint } from "./sky";

const kSvg = "http://www.w3.org/2000/svg";

export function svg<K extends keyof SVGElementTagNameMap>(
  name: K,
  attributes: Record<string, string | number> = {},
  ...children: (SVGElement | string)[]
): SVGElementTagNameMap[K] {
  const e = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  e.append(...children);
  return e;
}

function picture(viewBox: string, className: string, ...children: SVGElement[]): SVGSVGElement {
  return svg("svg", { viewBox, class: className, "aria-hidden": "true", focusable: "false" }, ...children);
}

export interface CompassLetters {
  north: string;
  east: string;
  south: string;
  west: string;
}

// The phone's way is the fixed mark at the top; the rose turns under it by
// the heading (its letters kept upright), the needle by the turn still to make.
export class Dial {
  readonly element: SVGSVGElement;
  private readonly rose: SVGGElement;
  private readonly letters: [SVGTextElement, number][];
  private readonly needle: SVGGElement;

  constructor(letters: CompassLetters) {
    const ticks: SVGElement[] = [];
    for (let a = 0; a < 360; a += 30) {
      ticks.push(svg("line", { x1: 0, y1: -90, x2: 0, y2: a % 90 === 0 ? -76 : -82, transform: `rotate(${a})` }));
    }
    this.rose = svg("g", { class: "rose" }, ...ticks);
    this.letters = (
      [
        [letters.north, 0],
        [letters.east, 90],
        [letters.south, 180],
        [letters.west, 270],
      ] as const
    ).map(([text, a]) => [svg("text", { "text-anchor": "middle", class: a === 0 ? "north" : "" }, text), a]);
    this.needle = svg("g", { class: "needle" }, svg("path", { d: "M0 -84 L11 -56 L3 -58 L3 22 L-3 22 L-3 -58 L-11 -56 Z" }));
    this.element = picture(
      "-100 -100 200 200",
      "dial",
      svg("circle", { r: 92, class: "face" }),
      this.rose,
      ...this.letters.map(([text]) => text),
      this.needle,
      svg("path", { d: "M0 -99 L8 -88 L-8 -88 Z", class: "ahead" }),
    );
  }

  show(heading: number | null, turn: number | null): void {
    this.rose.setAttribute("transform", `rotate(${-(heading ?? 0)})`);
    for (const [text, a] of this.letters) {
      const { x, y } = polar(a - (heading ?? 0), 0, 64);
      text.setAttribute("x", x.toFixed(1));
      text.setAttribute("y", (y + 7).toFixed(1));
    }
    this.needle.setAttribute("transform", `rotate(${turn ?? 0})`);
    this.needle.style.display = turn === null ? "none" : "";
  }
}

// The phone's back flat on the back of the dish, the dish leaning back,
// its beam up to the left; the angle from the plumb line is the face tilt.
export function holdOnDish(): SVGSVGElement {
  return picture(
    "0 0 220 150",
    "hold",
    svg("line", { x1: 10, y1: 140, x2: 210, y2: 140, class: "ground" }),
    svg("rect", { x: 150, y: 70, width: 7, height: 70, class: "mast" }),
    svg("line", { x1: 104, y1: 110, x2: 151, y2: 110, class: "ground" }),
    svg("path", { d: "M121.1 29.7 Q121.8 85.1 78.9 120.3 Q110.9 80.1 121.1 29.7 Z", class: "dish" }),
    svg("rect", { x: 114.2, y: 65.0, width: 6, height: 36, rx: 2, transform: "rotate(25 117.2 83.0)", class: "phone" }),
    svg("line", { x1: 124.8, y1: 66.7, x2: 124.8, y2: 110.7, class: "plumb" }),
    svg("path", { d: "M124.8 88.7 A22 22 0 0 1 115.5 86.7", class: "angle" }),
    svg("path", { d: "M81.9 66.5 L32.0 43.3 M38.0 51.4 L32.0 43.3 L42.0 42.7", class: "beam" }),
  );
}

// The phone on its back on a level surface, for the zero.
export function lyingLevel(): SVGSVGElement {
  return picture(
    "0 0 220 80",
    "hold",
    svg("rect", { x: 20, y: 50, width: 180, height: 10, class: "table" }),
    svg("rect", { x: 70, y: 40, width: 80, height: 10, rx: 3, class: "phone" }),
    svg("rect", { x: 88, y: 14, width: 44, height: 14, rx: 7, class: "vial" }),
    svg("circle", { cx: 110, cy: 21, r: 5, class: "bubble" }),
  );
}

// The arc on the sky: the horizon round, rings at 30 and 60 degrees up, a
// mark per whole position above the horizon and the chosen satellite ringed.
export function skyDiagram(
  points: readonly ArcPoint[],
  chosen: { az: number; el: number } | null,
  letters: CompassLetters,
): SVGSVGElement {
  const kRim = 100;
  const parts: SVGElement[] = [
    svg("circle", { r: kRim, class: "horizon" }),
    svg("circle", { r: (kRim * 2) / 3, class: "ring" }),
    svg("circle", { r: kRim / 3, class: "ring" }),
    svg("path", { d: `M0 ${-kRim} V${kRim} M${-kRim} 0 H${kRim}`, class: "ring" }),
  ];
  for (const [text, a] of [[letters.north, 0], [letters.east, 90], [letters.south, 180], [letters.west, 270]] as const) {
    const at = polar(a, 0, kRim + 11);
    parts.push(svg("text", { x: at.x, y: at.y + 5, "text-anchor": "middle", class: "letter" }, text));
  }
  for (const run of runs(points)) {
    const line = run.map((p) => polar(p.az, p.el, kRim)).map(({ x, y }) => `${x.toFixed(1)},${y.toFixed(1)}`);
    parts.push(svg("polyline", { points: line.join(" "), class: "arc" }));
  }
  for (const p of points) {
    const { x, y } = polar(p.az, p.el, kRim);
    parts.push(svg("circle", { cx: x.toFixed(1), cy: y.toFixed(1), r: p.position % 10 === 0 ? 2.2 : 1.2, class: "mark" }));
  }
  if (chosen && chosen.el >= 0) {
    const { x, y } = polar(chosen.az, chosen.el, kRim);
    parts.push(svg("circle", { cx: x.toFixed(1), cy: y.toFixed(1), r: 5.5, class: "chosen" }));
  }
  return picture("-120 -120 240 240", "sky-diagram", ...parts);
}
