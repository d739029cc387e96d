// One page of the calculator, built from the engine's description of the
// window: a row per slider (caption, value box, slider), the results with
// their captions, and what else the page has (the alignment page's pictures
// and aids, the C/N page's rain options and footprint link).
import type { Aids, ControlDesc, Describe, InputDesc, Report, State } from "./model";
import { format, type Catalogue } from "./i18n";
import { hidden, hint, idFor, make, setText } from "./dom";
import { AlignmentPictures } from "./pictures";
import type { AngleInput } from "./entry";
import { allowed, numberField, sliderPosition } from "./slider-entry";

export interface PageHooks {
  run(event: string): void;
  edit(input: InputDesc, box: HTMLElement): void;
  typed(input: InputDesc): AngleInput | undefined; // where the value can be typed
  setOffsetAngle(degrees: string): string; // its refusal, or ""

  offsetAngle(): string;
  mismatchedName(): string; // a saved site's name that names another position
}

interface InputRow {
  input: InputDesc;
  value: string; // the value box's name
  box: HTMLElement;
  range: HTMLInputElement;
  problem: HTMLElement; // a typed value not taken, said beside the box
}

// The pinned results' height, which scrolling into view keeps clear of.
const pinned = new ResizeObserver(() => {
  const shown = document.querySelector<HTMLElement>("[role=tabpanel]:not([hidden]) .results");
  document.documentElement.style.setProperty("--pinned", `${shown?.offsetHeight ?? 0}px`);
});

const kCaption = "Caption";

// Where the narrow tabs may break their long German and Polish words ("|"
// is a word joint): a soft hyphen there breaks right on every browser, with
// or without a hyphenation dictionary. The window's captions stay whole.
const kTabJoints = new Map(
  [
    "System-Rausch|maß",
    "Rausch|maß in Rausch|temperatur",
    "Antennen|gewinn",
    "Antennen|ausrichtung",
    "G/T-Be|rechnung",
    "NF na tempe|raturę szu|mową",
  ].map((joints) => [joints.replace(/\|/g, ""), joints.replace(/\|/g, "\u00ad")]),
);

// A page's tab and its empty panel: the panel is filled when first shown.
export function tabAndPanel(index: number, caption: string): { tab: HTMLButtonElement; panel: HTMLElement } {
  const tab = make(
    "button",
    {
      role: "tab",
      id: `tab-${index}`,
      "aria-controls": `page-${index}`,
      "aria-selected": "false",
      tabindex: "-1",
      class: "tab",
    },
    kTabJoints.get(caption) ?? caption,
  );
  const panel = make("section", {
    role: "tabpanel",
    id: `page-${index}`,
    "aria-labelledby": `tab-${index}`,
    class: "page",
  });
  panel.hidden = true;
  return { tab, panel };
}

export class Page {
  private readonly rows: InputRow[] = [];
  private readonly results = new Map<string, HTMLElement>();
  private readonly aids = new Map<string, HTMLElement>();
  private readonly rain: HTMLInputElement[] = [];
  private pictures: AlignmentPictures | undefined;
  private satelliteName: HTMLElement | undefined;
  private offset: HTMLInputElement | undefined;
  private resultList: HTMLElement | undefined;
  readonly inputCount: number;

  constructor(
    readonly index: number,
    private readonly describe: Describe,
    private readonly catalogue: Catalogue,
    private readonly hooks: PageHooks,
    private readonly panel: HTMLElement,
    state: State,
  ) {
    const controls = describe.pages[index].controls;
    const inputs = make("div", { class: "inputs" });
    for (const slider of controls.filter((c) => c.kind === "slider")) {
      inputs.append(this.inputRow(slider, controls, state));
    }
    this.inputCount = this.rows.length;
    this.panel.append(inputs);
    const results = controls.filter((c) => c.kind === "text" && c.result);
    if (results.length > 0) {
      const list = make("div", { class: "results" });
      for (const result of results) list.append(this.resultRow(result));
      this.resultList = list;
      this.panel.append(list);
      pinned.observe(list);
    }
    if (index === describe.alignmentPage) this.alignmentParts(controls, state);
    if (controls.some((c) => c.kind === "option")) this.rainParts(controls);
  }

  private caption(source: string): string {
    return this.catalogue.tr(kCaption, source);
  }

  private tooltip(source: string | undefined): string {
    return source ? this.catalogue.tooltip(source) : "";
  }

  private inputRow(slider: ControlDesc, controls: ControlDesc[], state: State): HTMLElement {
    const input = this.describe.inputs.find((i) => i.name === slider.input)!;
    const value = input.value;
    const boxControl = controls.find((c) => c.kind === "text" && c.input === input.name);
    const labelControl = controls.find((c) => c.kind === "label" && c.input === input.name);
    const captionId = idFor("caption", input.name);
    const tipId = idFor("tip", input.name);
    const tips = [this.tooltip(labelControl?.tooltip), this.tooltip(boxControl?.tooltip)].filter(Boolean);
    const caption = make("label", { id: captionId, for: idFor("range", input.name), class: "caption" });
    caption.textContent = this.caption(input.caption);
    const typed = this.hooks.typed(input);
    // Every value can be typed: named by its caption and the value it shows;
    // what it does is its description.
    const box = make("button", {
      type: "button",
      class: "value typed",
      id: idFor("value", value),
      "aria-labelledby": `${captionId} ${idFor("value", value)}`,
      "aria-describedby": `${tipId}-typed ${tipId}`,
    });
    box.addEventListener("click", () => (typed ? this.hooks.edit(input, box) : this.editNumber(input)));
    if (tips.length > 0) box.title = tips.join("\n");
    const range = make("input", {
      type: "range",
      id: idFor("range", input.name),
      min: String(input.min),
      max: String(input.max),
      step: "1",
      "aria-labelledby": captionId,
      "aria-describedby": tipId,
    });
    range.value = String(state.sliders[input.name]);
    range.addEventListener("input", () => this.hooks.run(`${input.name}~${range.value}`));
    range.addEventListener("change", () => this.hooks.run(`${input.name}=${range.value}`));
    range.addEventListener("keydown", (e) => this.sliderKey(e, input, range, box));
    const problem = make("p", { id: `${tipId}-problem`, class: "value-problem", "aria-live": "polite" });
    box.setAttribute("aria-describedby", `${box.getAttribute("aria-describedby") ?? tipId} ${problem.id}`);
    const row: InputRow = { input, value, box, range, problem };
    this.rows.push(row);
    const parts: (Node | string)[] = [caption, ...this.hintParts(tips.join(" "), caption.textContent, input.name)];
    for (const note of controls.filter((c) => c.kind === "label" && c.noteOf === input.name)) {
      parts.push(make("span", { class: "note" }, this.caption(note.caption ?? "")));
    }
    if (typed === "satellite") {
      this.satelliteName = make("span", { class: "satellite-name", "aria-live": "off" });
      parts.push(this.satelliteName);
    }
    parts.push(box, problem, range, hidden(tips.join(" "), tipId));
    parts.push(hidden(this.catalogue.web("typeValue"), `${tipId}-typed`));
    return make("div", { class: "input", "data-input": input.name }, ...parts);
  }

  // Page Up and Page Down move one step, as the window's sliders do; Enter
  // and F2 open the typed entry where there is one.
  private sliderKey(e: KeyboardEvent, input: InputDesc, range: HTMLInputElement, box: HTMLElement): void {
    if (e.key === "PageUp" || e.key === "PageDown") {
      e.preventDefault();
      const next = Number(range.value) + (e.key === "PageUp" ? 1 : -1);
      if (next >= input.min && next <= input.max) {
        range.value = String(next);
        this.hooks.run(`${input.name}=${next}`);
      }
    } else if (e.key === "Enter" || e.key === "F2") {
      e.preventDefault();
      box.click();
    }
  }

  // The number field in the value box's place; a refusal stays beside it
  // (Enter) or is said once the field is left.
  private editNumber(input: InputDesc): void {
    const row = this.rows.find((r) => r.input === input)!;
    const app = this.panel.closest(".app");
    const close = (refocus: boolean) => {
      field.remove();
      row.box.hidden = false;
      app?.classList.remove("editing");
      if (refocus) row.range.focus();
    };
    const field = numberField(
      `${this.caption(input.caption)} (${input.unit})`,
      row.problem.id,
      (text, leaving) => {
        const typedText = text.trim();
        const position = sliderPosition(input, text);
        const unchanged = typedText === "" || text === row.box.textContent;
        if (position === undefined && !unchanged) {
          setText(row.problem, format(this.catalogue.web("valueRefused"), typedText, ...allowed(input)));
          field.setAttribute("aria-invalid", "true");
          if (!leaving) return false;
        } else {
          setText(row.problem, "");
        }
        close(!leaving);
        if (position !== undefined && !unchanged) this.hooks.run(`${input.name}=${position}`);
        return true;
      },
      () => close(true),
    );
    app?.classList.add("editing");
    row.box.hidden = true;
    row.box.after(field);
    field.value = row.box.textContent ?? "";
    field.focus();
    field.select();
  }

  // The info button and the note it opens, where the control has a hint.
  private hintParts(text: string, caption: string, name: string): HTMLElement[] {
    if (!text) return [];
    const { button, note } = hint(text, format(this.catalogue.web("hintFor"), caption), idFor("hint", name));
    return [button, note];
  }

  private resultRow(result: ControlDesc): HTMLElement {
    const value = this.describe.values.find((v) => v.name === result.name)!;
    const captionId = idFor("caption", value.name);
    const out = make("span", {
      class: "value result",
      id: idFor("value", value.name),
      role: "textbox",
      "aria-readonly": "true",
      "aria-labelledby": captionId,
      tabindex: "-1",
    });
    const tip = this.tooltip(result.tooltip);
    if (tip) out.title = tip;
    this.results.set(value.name, out);
    const caption = this.caption(value.caption);
    const [info, note] = this.hintParts(tip, caption, value.name);
    return make(
      "div",
      { class: `result-row ${result.look}${info ? " hinted" : ""}` },
      make("span", { class: "caption", id: captionId }, caption),
      ...(info ? [info, out, note] : [out]),
    );
  }

  private alignmentParts(controls: ControlDesc[], state: State): void {
    this.pictures = new AlignmentPictures(controls, state, (s) => this.caption(s));
    const aids = make("div", { class: "aids" });
    // The satellite's name stands under its position, in the input's row.
    for (const aid of controls.filter((c) => c.kind === "aid" && c.aid !== "satelliteName")) {
      const id = idFor("aid", aid.name);
      const text = make("span", { id, class: aid.aid === "warnings" ? "warnings" : "value result" });
      const tip = this.tooltip(aid.tooltip);
      if (tip) text.title = tip;
      this.aids.set(aid.aid!, text);
      if (aid.aid === "warnings") {
        aids.append(text);
        continue;
      }
      const captionId = `${id}-caption`;
      text.setAttribute("aria-labelledby", captionId);
      const caption = this.caption(aid.caption ?? "");
      const [info, note] = this.hintParts(tip, caption, aid.name);
      // The compass is what the installer holds: its bearing stays pinned.
      const into = aid.aid === "magneticBearing" && this.resultList ? this.resultList : aids;
      into.append(
        make(
          "div",
          { class: info ? "result-row hinted" : "result-row" },
          make("span", { class: "caption", id: captionId }, caption),
          ...(info ? [info, text, note] : [text]),
        ),
      );
    }
    const offsetControl = controls.find((c) => c.kind === "offsetAngle");
    if (offsetControl) aids.append(this.offsetRow(offsetControl));
    this.panel.append(this.pictures.element, aids);
  }

  private offsetRow(control: ControlDesc): HTMLElement {
    const id = idFor("input", control.name);
    this.offset = make("input", {
      type: "text",
      id,
      inputmode: "decimal",
      class: "offset",
    });
    this.offset.value = this.hooks.offsetAngle();
    const tip = this.tooltip(control.tooltip);
    if (tip) this.offset.title = tip;
    const problem = make("p", { id: `${id}-problem`, class: "value-problem", "aria-live": "polite" });
    this.offset.setAttribute("aria-describedby", problem.id);
    this.offset.addEventListener("change", () => {
      const refusal = this.hooks.setOffsetAngle(this.offset!.value);
      this.offset!.setAttribute("aria-invalid", String(refusal !== ""));
      setText(problem, refusal);
    });
    const caption = this.caption(control.caption ?? "");
    const [info, note] = this.hintParts(tip, caption, control.name);
    return make(
      "div",
      { class: "result-row offset-row hinted" },
      make("label", { for: id, class: "caption" }, caption),
      ...(info ? [info, this.offset, problem, note] : [this.offset, problem]),
    );
  }

  private rainParts(controls: ControlDesc[]): void {
    const legend = make("legend", {}, this.catalogue.tr("PageText", "Rain"));
    const group = make("fieldset", { class: "rain" }, legend);
    for (const option of controls.filter((c) => c.kind === "option")) {
      const id = idFor("option", option.name);
      const radio = make("input", { type: "radio", name: "rain", id, value: option.rain ?? "" });
      const tip = this.tooltip(option.tooltip);
      if (tip) radio.title = tip;
      radio.addEventListener("change", () => {
        if (radio.checked) this.hooks.run(option.rain ?? "");
      });
      this.rain.push(radio);
      const caption = this.caption(option.caption ?? "");
      const label = make("label", { for: id, class: "option", title: tip }, radio, caption);
      const [info, note] = this.hintParts(tip, caption, option.name);
      group.append(...(info ? [make("div", { class: "option-row" }, label, info), note] : [label]));
    }
    const footprints = controls.find((c) => c.command === "footprints");
    const parts: Node[] = [group];
    if (footprints) {
      parts.push(
        make(
          "a",
          { class: "button footprints", href: this.describe.footprintPage, target: "_blank", rel: "noopener" },
          this.caption(footprints.caption ?? ""),
        ),
      );
    }
    this.panel.append(...parts);
  }

  update(state: State, aids: Aids | undefined): void {
    for (const row of this.rows) {
      const text = state.texts[row.value];
      setText(row.box, text);
      const position = String(state.sliders[row.input.name]);
      if (row.range.value !== position) row.range.value = position;
      row.range.setAttribute("aria-valuetext", `${text} ${row.input.unit}`);
    }
    for (const [name, out] of this.results) setText(out, state.texts[name]);
    for (const radio of this.rain) radio.checked = radio.value === state.option;
    this.pictures?.update(state);
    if (aids) this.updateAids(state, aids);
  }

  private updateAids(state: State, report: Aids): void {
    const set = (aid: string, text: string) => {
      const e = this.aids.get(aid);
      if (e) setText(e, text);
    };
    set("magneticBearing", state.pointing.magneticAzimuth);
    set("declination", report.declination);
    set("faceTilt", report.faceTilt);
    set("skewDirection", report.skewDirection);
    set("warnings", report.shortWarnings.join(" "));
    this.aids.get("warnings")?.setAttribute("title", state.pointing.warnings.join("\n"));
    if (this.satelliteName) {
      const mismatched = this.hooks.mismatchedName();
      setText(
        this.satelliteName,
        mismatched
          ? format(this.catalogue.tr("kestrion::ui::MainWindow", "%1: not this position"), mismatched)
          : report.satelliteName,
      );
      this.satelliteName.classList.toggle("mismatched", mismatched !== "");
    }
  }

  // Whether the page shows the pointing aids in words.
  get needsAids(): boolean {
    return this.aids.size > 0;
  }

  // The results and aids a listener hears after a change: "caption, value unit".
  spoken(report: Report): string[] {
    const rows = report.pages[this.index].rows.slice(this.inputCount);
    const skipped = new Set(["latitudeDms", "longitudeDms", "declinationModel", "offsetAngle", "rain"]);
    const lines = rows
      .filter((r) => r.value !== "" && !skipped.has(r.id))
      .map((r) => `${r.caption}, ${r.shown}`);
    return lines.concat(this.index === this.describe.alignmentPage ? report.shortWarnings : []);
  }

  pictureSnapshot(): HTMLElement | undefined {
    return this.pictures?.snapshot();
  }

  setProblem(input: InputDesc, text: string): void {
    const row = this.rows.find((r) => r.input === input);
    if (row) setText(row.problem, text);
  }

  focusValue(input: InputDesc): void {
    this.rows.find((r) => r.input === input)?.range.focus();
  }
}
