// The catalogues as the page reads them: the window's tooltips translated
// in every language, also those whose source begins with a space.
import assert from "node:assert/strict";
import { describe, it } from "node:test";
import { fileURLToPath } from "node:url";
import { catalogueOf } from "../../tools/catalogues.mjs";
import { load } from "./load.mjs";

const { Catalogue } = await load("app/i18n.ts");
const ts = (code) => fileURLToPath(new URL(`../../../translations/kestrion_${code}.ts`, import.meta.url));
const kNoiseFigure = " Use System Noise Figure calculations and manually apply correct value.";

describe("tooltips", () => {
  // [language, the start of its translation]
  const cases = [
    ["de", "Im Abschnitt System-Rauschmaß"],
    ["es", "Calcúlela en Figura de ruido"],
    ["fr", "Calculez-le dans Facteur de bruit"],
    ["it", "Calcolarla in Cifra di rumore"],
    ["pl", "Oblicz go w części Współczynnik"],
  ];
  for (const [code, start] of cases) {
    it(`${code}: a source beginning with a space`, () => {
      const catalogue = new Catalogue(code, catalogueOf(ts(code)));
      assert.ok(catalogue.tooltip(kNoiseFigure).startsWith(start), catalogue.tooltip(kNoiseFigure));
    });
  }
  it("en: the source without its space", () => {
    assert.equal(Catalogue.english().tooltip(kNoiseFigure), kNoiseFigure.trim());
  });
});
