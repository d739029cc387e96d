// Accessibility of the built web app: axe-core finds no violation on any
// page in any language, in each browser harness.mjs drives; and in Chromium
// Lighthouse scores each page's accessibility 100.
import assert from "node:assert/strict";
import { createRequire } from "node:module";
import { readFileSync } from "node:fs";
import { after, before, describe, it } from "node:test";
import { devtoolsOnly, launch, openPage, serveSite, stopServer } from "./harness.mjs";

const site = process.env.KESTRION_SITE;
const require = createRequire(import.meta.url);
const axeSource = readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
const kLanguages = ["en", "de", "es", "fr", "it", "pl"];
const kPages = 6;

let browser;
let server;
let origin;

before(async () => {
  browser = await launch();
  ({ server, origin } = await serveSite(site));
});

after(async () => {
  await browser?.close();
  if (server) await stopServer(server);
});

describe("axe-core", () => {
  for (const language of kLanguages) {
    it(`finds nothing on any page in ${language}`, async () => {
      // A phone's width: nothing may be wider, or the phone zooms the page out.
      const phone = { width: 360, height: 740, isMobile: true, hasTouch: true };
      const page = await openPage(browser, `${origin}/?lang=${language}`, [], phone);
      const found = [];
      for (let i = 0; i < kPages; ++i) {
        await page.click(`#tab-${i}`);
        // The rain availability is checked opened.
        if (await page.$(`#page-${i} .rain-availability`)) {
          await page.click(`#page-${i} .rain-availability summary`);
          await page.waitForSelector("#rain-zone");
        }
        // So are the phone aids.
        await page.$$eval(`#page-${i} .phone-aids > details`, (panels) => panels.forEach((d) => (d.open = true)));
        if ((await page.evaluate(() => document.documentElement.scrollWidth)) > 360) {
          found.push(`page ${i}: wider than a phone's 360 px`);
        }
        // Injected where it runs: WebKitGTK's first page of a fresh profile
        // once lost the copy given before the tabs were clicked.
        const result = await page.evaluate((source) => {
          if (!globalThis.axe) (0, eval)(source);
          return globalThis.axe.run(document, { resultTypes: ["violations"] });
        }, axeSource);
        for (const v of result.violations) {
          found.push(`page ${i}: ${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
        }
      }
      await page.close();
      assert.deepEqual(found, []);
    });
  }
});

describe("Lighthouse", () => {
  it("scores the accessibility of every page 100", devtoolsOnly, async () => {
    const { default: lighthouse } = await import("lighthouse");
    const port = Number(new URL(browser.wsEndpoint()).port);
    const scores = [];
    for (let i = 0; i < kPages; ++i) {
      const result = await lighthouse(`${origin}/?page=${i}`, {
        port,
        onlyCategories: ["accessibility"],
        logLevel: "error",
        output: "json",
        formFactor: "mobile",
        screenEmulation: { mobile: true, width: 360, height: 740, deviceScaleFactor: 2, disabled: false },
      });
      const category = result.lhr.categories.accessibility;
      const failed = Object.values(result.lhr.audits)
        .filter((a) => a.score === 0)
        .map((a) => a.id);
      scores.push(`page ${i}: ${Math.round(category.score * 100)}${failed.length ? ` (${failed.join(", ")})` : ""}`);
    }
    assert.deepEqual(scores, scores.map((s) => s.replace(/: .*/, ": 100")));
  });
});
