// Qt Linguist catalogues (translations/*.ts) as the engine and the page read
// them: records "context U+001F source U+001F translation", separated by
// U+001E. Unfinished, vanished and plural entries are left out, as Qt's
// lrelease leaves them out of the window's catalogues.
import { XMLParser } from "fast-xml-parser";
import { readFileSync } from "node:fs";

const parser = new XMLParser({
  ignoreAttributes: false,
  attributeNamePrefix: "@",
  isArray: (name) => name === "context" || name === "message",
  trimValues: false,
  processEntities: true,
  parseTagValue: false,
});

function text(node) {
  if (node === undefined || node === null) return "";
  if (typeof node === "string") return node;
  return typeof node["#text"] === "string" ? node["#text"] : "";
}

export function catalogueOf(tsFile) {
  const doc = parser.parse(readFileSync(tsFile, "utf8"));
  const records = [];
  for (const context of doc.TS?.context ?? []) {
    const name = text(context.name);
    for (const message of context.message ?? []) {
      if (message["@numerus"] === "yes") continue;
      const translation = message.translation;
      const type = typeof translation === "object" ? translation["@type"] : undefined;
      const value = text(translation);
      if (type === "unfinished" || type === "vanished" || type === "obsolete" || value === "") continue;
      const source = text(message.source);
      if (/[\u001e\u001f]/.test(name + source + value)) {
        throw new Error(`${tsFile}: a separator character in "${source}"`);
      }
      records.push(`${name}\u001f${source}\u001f${value}`);
    }
  }
  return records.join("\u001e");
}
