// Typing a latitude, longitude or satellite: the same forms and messages as
// the window's editor, and the satellites' names completed as one types.
// Enter or leaving commits (or takes the highlighted name), Escape cancels;
// a text left that cannot be read is said beside the box.
import type { Catalogue } from "./i18n";
import type { EngineApi } from "./engine-api";
import type { AngleInput } from "./model";
import { make } from "./dom";

export type { AngleInput };

// The editor's accessible names, as the window's editor has them.
const kEditorNames: Record<AngleInput, string> = {
  latitude: "Type the latitude",
  longitude: "Type the longitude",
  satellite: "Type the satellite position or name",
};
const kMaxSuggestions = 40;

// The names offered for a satellite being typed; digits alone are a position
// being typed, not a name.
export function suggestedNames(engine: Pick<EngineApi, "complete">, typed: string): string[] {
  const text = typed.trim();
  const found = text === "" || /^[-+\d.,\s°'"NSEWnsew]*$/.test(text) ? [] : engine.complete(text);
  return found.slice(0, kMaxSuggestions).map((s) => s.name);
}

export class AngleEditor {
  readonly element: HTMLElement;
  private readonly field: HTMLInputElement;
  private readonly list: HTMLUListElement;
  private readonly problem: HTMLElement;
  private active = -1;
  private names: string[] = [];
  private opened = "";

  constructor(
    private readonly input: AngleInput,
    private readonly engine: EngineApi,
    catalogue: Catalogue,
    private readonly commit: (input: AngleInput, text: string) => void,
    private readonly close: () => void,
    private readonly leave: (problem: string) => void,
  ) {
    const id = `editor-${input}`;
    this.field = make("input", {
      type: "text",
      id,
      class: "angle-field",
      autocomplete: "off",
      spellcheck: "false",
      enterkeyhint: "done",
      "aria-label": catalogue.tr("kestrion::ui::AngleEditor", kEditorNames[input]),
      "aria-describedby": `${id}-problem`,
    });
    this.problem = make("p", { id: `${id}-problem`, class: "angle-problem", role: "alert" });
    this.list = make("ul", {
      id: `${id}-list`,
      class: "suggestions",
      role: "listbox",
      "aria-label": catalogue.web("suggestions"),
    });
    this.list.hidden = true;
    if (input === "satellite") {
      this.field.setAttribute("role", "combobox");
      this.field.setAttribute("aria-autocomplete", "list");
      this.field.setAttribute("aria-expanded", "false");
      this.field.setAttribute("aria-controls", this.list.id);
    }
    this.element = make("div", { class: "angle-editor" }, this.field, this.list, this.problem);
    this.field.addEventListener("input", () => this.suggest());
    this.field.addEventListener("keydown", (e) => this.key(e));
    this.element.addEventListener("focusout", (e) => {
      if (!this.element.contains(e.relatedTarget as Node | null)) this.left();
    });
    this.list.addEventListener("pointerdown", (e) => e.preventDefault());
    this.list.addEventListener("click", (e) => {
      const option = (e.target as Element).closest("li");
      if (option) this.take(Number(option.dataset.index));
    });
  }

  open(text: string): void {
    this.opened = text;
    this.field.value = text;
    this.field.focus();
    this.field.select();
  }

  private key(e: KeyboardEvent): void {
    switch (e.key) {
      case "Enter":
        e.preventDefault();
        if (this.active >= 0) this.take(this.active);
        else this.tryCommit(this.field.value);
        break;
      case "Escape":
        e.preventDefault();
        this.close();
        break;
      case "ArrowDown":
      case "ArrowUp":
        if (this.names.length > 0) {
          e.preventDefault();
          const step = e.key === "ArrowDown" ? 1 : -1;
          this.highlight((this.active + step + this.names.length) % this.names.length);
        }
        break;
      default:
        break;
    }
  }

  private suggest(): void {
    this.setProblem("");
    if (this.input !== "satellite") return;
    this.names = suggestedNames(this.engine, this.field.value);
    this.list.replaceChildren(
      ...this.names.map((name, index) =>
        make(
          "li",
          { role: "option", id: `${this.list.id}-${index}`, "data-index": String(index) },
          name,
        ),
      ),
    );
    this.list.hidden = this.names.length === 0;
    if (!this.list.hidden) this.list.scrollIntoView({ block: "nearest" });
    this.field.setAttribute("aria-expanded", String(this.names.length > 0));
    this.highlight(-1);
  }

  private highlight(index: number): void {
    this.active = index;
    this.list.querySelectorAll("li").forEach((li, i) => {
      li.setAttribute("aria-selected", String(i === index));
    });
    if (index >= 0) {
      this.field.setAttribute("aria-activedescendant", `${this.list.id}-${index}`);
      this.list.children[index]?.scrollIntoView({ block: "nearest" });
    } else {
      this.field.removeAttribute("aria-activedescendant");
    }
  }

  // Choosing a name is one step: it is entered at once.
  private take(index: number): void {
    const name = this.names[index];
    if (name !== undefined) this.tryCommit(name);
  }

  // Tapping the next field is how a phone user moves on: a changed text is
  // entered as Enter enters it, or its refusal stays beside the box.
  private left(): void {
    const text = this.field.value;
    if (text.trim() === "" || text === this.opened) {
      this.close();
      return;
    }
    const problem = this.engine.angleProblem(this.input, text);
    if (problem) this.leave(problem);
    else this.commit(this.input, text);
  }

  private tryCommit(text: string): void {
    const problem = this.engine.angleProblem(this.input, text);
    if (problem) {
      this.setProblem(problem);
      this.field.focus();
      return;
    }
    this.commit(this.input, text);
  }

  private setProblem(text: string): void {
    this.problem.textContent = text;
    this.field.setAttribute("aria-invalid", String(text !== ""));
    this.element.classList.toggle("refused", text !== "");
  }
}
