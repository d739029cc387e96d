// The alignment page's three pictures with their pointers, drawn as SVG in
// the window's own coordinates (twips): the artwork from assets/, each
// pointer turning about its fixed start as the engine moves its end.
import type { ControlDesc, Rect, State } from "./model";

const kSvg = "http://www.w3.org/2000/svg";
// The magnetic north mark: from the compass pointer's pivot, towards the rim.
const kMagneticReach = 620;
const kPen = 22; // 1.5 pixels at 15 twips a pixel

interface Figure {
  svg: SVGSVGElement;
  pointers: Map<string, SVGLineElement>;
  magneticNorth?: { line: SVGLineElement; mark: SVGTextElement };
}

function element<K extends keyof SVGElementTagNameMap>(
  name: K,
  attributes: Record<string, string | number>,
): SVGElementTagNameMap[K] {
  const e = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  return e;
}

function contains(r: Rect, x: number, y: number): boolean {
  return x >= r[0] && x <= r[0] + r[2] && y >= r[1] && y <= r[1] + r[3];
}

// The picture's rectangle grown to hold each pointer's whole swing.
function extent(picture: Rect, swings: { x: number; y: number; reach: number }[]): Rect {
  if (swings.length === 0) return picture;
  let [left, top] = picture;
  let right = picture[0] + picture[2];
  let bottom = picture[1] + picture[3];
  for (const s of swings) {
    left = Math.min(left, s.x - s.reach);
    top = Math.min(top, s.y - s.reach);
    right = Math.max(right, s.x + s.reach);
    bottom = Math.max(bottom, s.y + s.reach);
  }
  return [left, top, right - left, bottom - top];
}

// The artwork's file in the built site: ":/artwork/dish_side.svg" is
// "artwork/dish_side.svg".
export function artworkUrl(resource: string): string {
  return resource.replace(/^:\//, "");
}

export class AlignmentPictures {
  readonly element: HTMLElement;
  private readonly figures: Figure[] = [];

  constructor(controls: ControlDesc[], state: State, captions: (name: string) => string) {
    this.element = document.createElement("div");
    this.element.className = "pictures";
    const letters = controls.filter((c) => c.kind === "label" && c.caption?.length === 1);
    for (const picture of controls.filter((c) => c.kind === "picture")) {
      this.figures.push(this.figure(picture, letters, state, captions));
    }
  }

  private figure(
    picture: ControlDesc,
    letters: ControlDesc[],
    state: State,
    captions: (name: string) => string,
  ): Figure {
    const own = Object.entries(state.lines).filter(([, l]) => contains(picture.rect, l[0], l[1]));
    const compass = own.some(([name]) => name === "Line7");
    // A pointer turns about its start and keeps its length; the magnetic
    // north mark reaches further.
    const swings = own.map(([name, l]) => ({
      x: l[0],
      y: l[1],
      reach: Math.hypot(l[2] - l[0], l[3] - l[1]) + kPen + (name === "Line7" ? kMagneticReach : 0),
    }));
    const grown = extent(picture.rect, swings);
    // The compass letters standing around the picture.
    const near = letters.filter((l) => contains(grown, l.rect[0] + l.rect[2] / 2, l.rect[1] + l.rect[3] / 2));
    const box = extent(grown, near.map((l) => ({ x: l.rect[0] + l.rect[2] / 2, y: l.rect[1] + l.rect[3] / 2, reach: 200 })));
    const svg = element("svg", {
      viewBox: box.join(" "),
      class: `picture picture-${picture.name.replace(/\W/g, "")}`,
      "aria-hidden": "true",
    });
    const [x, y, width, height] = picture.rect;
    svg.append(
      element("image", {
        href: artworkUrl(picture.artwork ?? ""),
        x,
        y,
        width,
        height,
        preserveAspectRatio: "none",
      }),
    );
    for (const letter of near) {
      const text = element("text", {
        x: letter.rect[0] + 60,
        y: letter.rect[1] + 200,
        class: "compass-letter",
      });
      text.textContent = captions(letter.caption ?? "");
      svg.append(text);
    }
    const figure: Figure = { svg, pointers: new Map() };
    if (compass) {
      const line = element("line", { class: "magnetic-north", "stroke-width": kPen });
      const mark = element("text", { class: "magnetic-mark", "text-anchor": "middle" });
      mark.textContent = "MN";
      svg.append(line, mark);
      figure.magneticNorth = { line, mark };
    }
    for (const [name] of own) {
      const line = element("line", {
        class: name === "Line6" ? "pointer pointer-skew" : "pointer",
        "stroke-width": kPen,
        "stroke-linecap": "round",
      });
      figure.pointers.set(name, line);
      svg.append(line);
    }
    this.element.append(svg);
    return figure;
  }

  update(state: State): void {
    for (const figure of this.figures) {
      for (const [name, line] of figure.pointers) {
        const [x1, y1, x2, y2] = state.lines[name];
        line.setAttribute("x1", String(x1));
        line.setAttribute("y1", String(y1));
        line.setAttribute("x2", String(x2));
        line.setAttribute("y2", String(y2));
      }
      if (figure.magneticNorth) this.showMagneticNorth(figure, state);
    }
  }

  private showMagneticNorth(figure: Figure, state: State): void {
    const { line, mark } = figure.magneticNorth!;
    const d = state.pointing.declination;
    const shown = d !== null && d !== undefined;
    line.style.display = shown ? "" : "none";
    mark.style.display = shown ? "" : "none";
    if (!shown) return;
    const [x, y] = state.lines["Line7"];
    const a = (d * Math.PI) / 180;
    const tipX = x + Math.sin(a) * kMagneticReach;
    const tipY = y - Math.cos(a) * kMagneticReach;
    line.setAttribute("x1", String(x));
    line.setAttribute("y1", String(y));
    line.setAttribute("x2", String(tipX));
    line.setAttribute("y2", String(tipY));
    mark.setAttribute("x", String(tipX));
    mark.setAttribute("y", String(tipY - 40));
  }

  // A copy for the print view, drawn as it stands now.
  snapshot(): HTMLElement {
    return this.element.cloneNode(true) as HTMLElement;
  }
}
