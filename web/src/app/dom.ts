// Small helpers for building the pages' elements.

export function make<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Record<string, string> = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (key === "class") e.className = value;
    else e.setAttribute(key, value);
  }
  e.append(...children);
  return e;
}

// Ids from control names, which hold "(" and ")" ("Image2(0)").
export function idFor(prefix: string, name: string): string {
  return `${prefix}-${name.replace(/[^A-Za-z0-9_-]/g, "_")}`;
}

// Text that a screen reader reads but the page does not show.
export function hidden(text: string, id?: string): HTMLSpanElement {
  const span = make("span", { class: "visually-hidden" }, text);
  if (id) span.id = id;
  return span;
}

export function setText(element: Element, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

// A typed number with a decimal comma, as installers write it in most of
// the languages offered: every comma is a point, so "11,7" is 11.7 and
// "1,2,3" stays unreadable.
export function decimalPoint(text: string): string {
  return text.trim().replace(/,/g, ".");
}

// A hover tooltip a phone can reach: an info button beside the caption that
// shows the same text below the row, read out as it opens.
export function hint(text: string, label: string, id: string): { button: HTMLButtonElement; note: HTMLElement } {
  const note = make("p", { id, class: "hint", "aria-live": "polite" });
  const button = make(
    "button",
    { type: "button", class: "info", "aria-expanded": "false", "aria-controls": id, "aria-label": label },
    "i",
  );
  button.addEventListener("click", () => {
    const open = button.getAttribute("aria-expanded") !== "true";
    button.setAttribute("aria-expanded", String(open));
    note.textContent = open ? text : "";
  });
  return { button, note };
}

// A figure and its unit kept on one line ("99.9 %", "40 dBW", a date):
// each such pair in a span that does not wrap, the text itself unchanged.
const kFigureWithUnit = /\d{4}-\d{2}-\d{2}|\d[\d.,]* (?:%|[A-Za-z°µ][A-Za-z/]*\b)/g;

export function unitKept(text: string): (Node | string)[] {
  const parts: (Node | string)[] = [];
  let last = 0;
  for (const m of text.matchAll(kFigureWithUnit)) {
    if (m.index! > last) parts.push(text.slice(last, m.index));
    parts.push(make("span", { class: "nowrap" }, m[0]));
    last = m.index! + m[0].length;
  }
  if (last < text.length) parts.push(text.slice(last));
  return parts;
}
