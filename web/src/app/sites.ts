// Saved sites in the browser's storage, one entry per site, so that two tabs
// saving different sites never overwrite each other, and an entry broken by
// hand is skipped with a warning, never lost for the others.
import type { EngineApi } from "./engine-api";
import { format, type Catalogue } from "./i18n";

export interface Site {
  name: string;
  latitude: string; // the value boxes' texts, as typed entry reads them
  longitude: string;
  satellite: string; // the position
  satelliteName: string; // when the satellite was typed by name
  offsetAngle: string; // degrees, "0" to "45" with at most one decimal
  lastUsed: number; // larger is more recent
}

export interface SiteList {
  sites: Site[]; // most recently used first
  problems: string[]; // one sentence per entry skipped
}

const kPrefix = "kestrion.site.";
const kStore = "SiteStore";

function keyOf(name: string): string {
  return kPrefix + name;
}

function isText(v: unknown): v is string {
  return typeof v === "string";
}

export class SiteStore {
  constructor(
    private readonly engine: EngineApi,
    private readonly storage: Storage,
  ) {}

  list(catalogue: Catalogue): SiteList {
    const keys: string[] = [];
    for (let i = 0; i < this.storage.length; ++i) {
      const key = this.storage.key(i);
      if (key?.startsWith(kPrefix)) keys.push(key);
    }
    keys.sort();
    const out: SiteList = { sites: [], problems: [] };
    keys.forEach((key, index) => {
      const name = key.slice(kPrefix.length);
      const problem = this.read(this.storage.getItem(key), name, catalogue);
      if (typeof problem === "string") {
        out.problems.push(
          format(catalogue.tr(kStore, 'Saved site "%1" (entry %2) skipped: %3.'), name, String(index + 1), problem),
        );
      } else {
        out.sites.push(problem);
      }
    });
    out.sites.sort((a, b) => b.lastUsed - a.lastUsed || a.name.localeCompare(b.name));
    return out;
  }

  // The site, or what is wrong with the entry.
  private read(text: string | null, name: string, catalogue: Catalogue): Site | string {
    const tr = (source: string) => catalogue.tr(kStore, source);
    let entry: Record<string, unknown>;
    try {
      entry = JSON.parse(text ?? "") as Record<string, unknown>;
    } catch {
      entry = {};
    }
    if (name.trim() === "") return tr("it has no name");
    const typed: [keyof Site, "latitude" | "longitude" | "satellite", string][] = [
      ["latitude", "latitude", "latitude"],
      ["longitude", "longitude", "longitude"],
      ["satellite", "satellite", "satellite position"],
    ];
    for (const [field, input, what] of typed) {
      const value = entry[field];
      const problem = isText(value) ? this.engine.angleProblem(input, value)
        : catalogue.tr("AngleText", "That is not an angle.");
      if (problem) return format(tr('its %1 "%2" is refused: %3'), tr(what), String(value ?? ""), problem);
    }
    const offset = entry.offsetAngle;
    if (!isText(offset) || !/^(\d|[1-3]\d|4[0-4])(\.\d)?$|^45(\.0)?$/.test(offset)) {
      return format(tr('its offset angle "%1" is not 0 to 45 degrees with at most one decimal'), String(offset ?? ""));
    }
    if (typeof entry.lastUsed !== "number" || !Number.isFinite(entry.lastUsed)) {
      return tr("its last use is not a number");
    }
    return {
      name,
      latitude: entry.latitude as string,
      longitude: entry.longitude as string,
      satellite: entry.satellite as string,
      satelliteName: isText(entry.satelliteName) ? entry.satelliteName : "",
      offsetAngle: offset,
      lastUsed: entry.lastUsed,
    };
  }

  has(name: string): boolean {
    return this.storage.getItem(keyOf(name)) !== null;
  }

  // Throws when the browser refuses (storage full or switched off).
  save(site: Site): void {
    const { name, ...entry } = site;
    this.storage.setItem(keyOf(name), JSON.stringify(entry));
  }

  remove(name: string): void {
    this.storage.removeItem(keyOf(name));
  }

  rename(from: string, to: string): boolean {
    const text = this.storage.getItem(keyOf(from));
    if (text === null || to.trim() === "" || this.has(to)) return false;
    this.storage.setItem(keyOf(to), text);
    this.storage.removeItem(keyOf(from));
    return true;
  }

  // Another tab changed the sites.
  static changedBy(event: StorageEvent): boolean {
    return event.key === null || event.key.startsWith(kPrefix);
  }
}
