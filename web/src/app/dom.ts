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
