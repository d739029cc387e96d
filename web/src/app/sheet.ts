// The job sheet as a print view: the same words and figures as the window's
// sheet, laid out for the browser's Print and Save as PDF.
import type { Report } from "./model";
import { make, unitKept } from "./dom";

function table(section: Report["sheet"]["sections"][number]): HTMLElement {
  const body = make("tbody");
  for (const row of section.rows) {
    const value = row.value === "" ? "\u2014" : row.shown;
    body.append(make("tr", {}, make("th", { scope: "row" }, ...unitKept(row.caption)), make("td", {}, ...unitKept(value))));
  }
  return make("table", { class: "sheet-table" }, make("caption", {}, section.heading), body);
}

// The footer is the web's own: the window's says its figures are the window's.
export function sheetView(report: Report, pictures: HTMLElement | undefined, footer: string): HTMLElement {
  const s = report.sheet;
  const head = make(
    "header",
    { class: "sheet-head" },
    make("h1", {}, s.title),
    make("p", { class: "sheet-date" }, ...unitKept(s.date)),
    make("p", { class: "sheet-site" }, s.site),
  );
  const columns = make(
    "div",
    { class: "sheet-columns" },
    make("div", {}, table(s.sections[0]), table(s.sections[1])),
    make("div", {}, table(s.sections[2]), table(s.sections[3])),
  );
  const parts: Node[] = [head, columns];
  if (pictures) {
    const figures = make("div", { class: "sheet-pictures" });
    const svgs = Array.from(pictures.querySelectorAll("svg"));
    svgs.forEach((svg, i) => {
      figures.append(make("figure", {}, svg, make("figcaption", {}, s.pictureCaptions[i] ?? "")));
    });
    parts.push(figures);
  }
  for (const warning of report.shortWarnings) parts.push(make("p", { class: "sheet-warning" }, warning));
  parts.push(
    make("h2", { class: "sheet-notes" }, s.notes),
    make("div", { class: "sheet-lines" }),
    make("p", { class: "sheet-signatures" }, s.signatures),
    make("p", { class: "sheet-footer" }, footer),
  );
  // The rain availability, once set up, on a page of its own as the window's
  // sheet has it; then the sun's and the motor's tables once asked for.
  const rain = s.sections.slice(4).filter((t) => t.id.startsWith("rainFade"));
  if (rain.length > 0) {
    // Its warnings above the figures they are about.
    const warnings = (report.rainFade?.warnings ?? []).map((w) => make("p", { class: "sheet-warning" }, w));
    parts.push(make("div", { class: "sheet-rain" }, ...warnings, ...rain.map(table)));
  }
  const later = s.sections.slice(4).filter((t) => !t.id.startsWith("rainFade"));
  if (later.length > 0) parts.push(make("div", { class: "sheet-later" }, ...later.map(table)));
  return make("article", { class: "sheet" }, ...parts);
}
