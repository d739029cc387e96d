// Texts in the user's language, from the catalogues the build converts from
// translations/*.ts: the window's translations serve the browser too.
import webTexts from "../texts/texts.js";

export type WebText = keyof typeof webTexts;

export interface Language {
  code: string;
  name: string; // in its own language, as a chooser lists it
}

export const languages: readonly Language[] = [
  { code: "en", name: "English" },
  { code: "de", name: "Deutsch" },
  { code: "es", name: "Español" },
  { code: "fr", name: "Français" },
  { code: "it", name: "Italiano" },
  { code: "pl", name: "Polski" },
];

const kStoredLanguage = "kestrion.language";
const kRecord = "\u001e";
const kField = "\u001f";

export class Catalogue {
  readonly code: string;
  readonly raw: string; // as the engine takes it
  private readonly entries = new Map<string, string>();

  constructor(code: string, raw: string) {
    this.code = code;
    this.raw = raw;
    for (const record of raw.split(kRecord)) {
      const first = record.indexOf(kField);
      const second = record.indexOf(kField, first + 1);
      if (first > 0 && second > first) {
        this.entries.set(record.slice(0, second), record.slice(second + 1));
      }
    }
  }

  static english(): Catalogue {
    return new Catalogue("en", "");
  }

  tr(context: string, source: string): string {
    if (source === "") return "";
    return this.entries.get(context + kField + source) ?? source;
  }

  // A tooltip of the window's tables, looked up as written (one begins with
  // a space) and shown without the space.
  tooltip(source: string): string {
    return this.tr("Tooltip", source).trim();
  }

  // One of the browser app's own texts (src/texts.js).
  web(key: WebText): string {
    return this.tr("Web", webTexts[key]);
  }

  // A Qt text with its accelerator mark removed: "&Copy" reads "Copy".
  plain(context: string, source: string): string {
    return this.tr(context, source).replace(/&(.)/g, "$1");
  }
}

// "%1° W" with the placeholders replaced, as Qt's arg() does.
export function format(pattern: string, ...args: string[]): string {
  return pattern.replace(/%([1-9])/g, (whole, n: string) => args[Number(n) - 1] ?? whole);
}

function known(code: string | null | undefined): string | undefined {
  if (!code) return undefined;
  const base = code.toLowerCase().split(/[-_]/)[0];
  return languages.find((l) => l.code === base)?.code;
}

// The language chosen before, else the browser's first one we speak.
export function preferredLanguage(asked?: string | null): string {
  const fromAddress = known(asked);
  if (fromAddress) return fromAddress;
  try {
    const stored = known(localStorage.getItem(kStoredLanguage));
    if (stored) return stored;
  } catch {
    // Storage may be off; the browser's languages still apply.
  }
  for (const code of navigator.languages ?? [navigator.language]) {
    const found = known(code);
    if (found) return found;
  }
  return "en";
}

export function rememberLanguage(code: string): void {
  try {
    localStorage.setItem(kStoredLanguage, code);
  } catch {
    // Not kept: the next visit follows the browser again.
  }
}

export async function loadCatalogue(code: string): Promise<Catalogue> {
  if (code === "en") return Catalogue.english();
  const response = await fetch(`i18n/${code}.txt`);
  if (!response.ok) throw new Error(`i18n/${code}.txt: ${response.status}`);
  return new Catalogue(code, await response.text());
}
