// The web app on a phone: every input (and every visible satellite to tap)
// reachable by a tap at 360×740 and with
// the keyboard up (360×400), in every language; a typed value entered by
// tapping the next field; refused numbers said beside their boxes.
import assert from "node:assert/strict";
import { after, before, describe, it } from "node:test";
import { launch, openPage, serveSite, stopServer } from "./harness.mjs";

const site = process.env.KESTRION_SITE;
const kDate = "2026-01-01";
const kPhones = [{ width: 360, height: 740 }, { width: 360, height: 400 }];

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

// The inputs of the shown page a tap at whose centre, once focused (which
// scrolls it into view as a tap does), reaches another element.
function covered() {
  const panel = document.querySelector("[role=tabpanel]:not([hidden])");
  // A control hidden from the user (the map's file field, opened by its button) is not tapped.
  const hiddenNow = (e) => e.getClientRects().length === 0 || e.closest("[aria-hidden=true]");
  const found = [];
  for (const e of panel.querySelectorAll("input, select, textarea, button.value, .angle-field, .suggestions li, .visible-row")) {
    if (hiddenNow(e)) continue;
    e.focus({ preventScroll: true });
    e.scrollIntoView({ block: "nearest" });
    const box = e.getBoundingClientRect();
    const hit = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
    if (!(hit === e || e.contains(hit) || hit?.closest("label")?.control === e)) {
      found.push(`${e.id || e.textContent} under ${hit?.className || hit?.tagName}`);
    }
  }
  return found;
}

describe("the phone's inputs", () => {
  for (const language of ["en", "de", "es", "fr", "it", "pl"]) {
    it(`can be tapped on every page in ${language}`, async () => {
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=${language}`, [], kPhones[0]);
      const pages = await page.$$eval("[role=tab]", (t) => t.length);
      for (const viewport of kPhones) {
        await page.setViewport(viewport);
        for (let i = 0; i < pages; ++i) {
          await page.click(`#tab-${i}`);
          await page.$$eval(`#page-${i} details.rain-availability`, (d) => d.forEach((x) => (x.open = true)));
          // The motor section's code comes when it first opens.
          if (await page.$$eval(`#page-${i} details.motor-section`, (d) => d.map((x) => (x.open = true)).length)) {
            await page.waitForSelector(`#page-${i} .motor-form`);
          }
          const size = `${viewport.width}×${viewport.height}`;
          // The pinned panel's height is taken once laid out, before a finger can land.
          await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
          assert.deepEqual(await page.evaluate(covered), [], `page ${i} at ${size}`);
          // Each typed entry's editor (an angle's or a number's), and the
          // satellites' suggestions.
          for (const box of await page.$$eval(`#page-${i} button.value`, (b) => b.map((x) => x.id))) {
            await page.$eval(`#${box}`, (b) => b.scrollIntoView({ block: "center" }));
            await page.click(`#${box}`);
            const field = await page.waitForSelector(".angle-field, .number-field");
            await field.evaluate((f) => (f.value = ""));
            await field.type(box === "value-satposition" ? "astra" : "4");
            assert.deepEqual(await page.evaluate(covered), [], `${box}'s editor at ${size}`);
            await page.keyboard.press("Escape");
          }
        }
      }
      await page.close();
    });
  }
});

describe("leaving an editor", () => {
  // [typed, the latitude then shown, what is said beside it]
  const cases = [
    ["40.4168", "40.4168", ""],
    ["40,4168", "40.4168", ""],
    ["95", "60", "Not taken, the value shown still holds: That is out of range."],
  ];
  for (const [typed, shown, says] of cases) {
    it(`enters "${typed}" on tapping the next field, or says why not`, async () => {
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=en&page=4`, [], kPhones[0]);
      await page.click("#value-Latitud");
      await page.waitForSelector(".angle-field");
      await page.$eval(".angle-field", (f) => (f.value = ""));
      await page.type(".angle-field", typed);
      // The tap's focus moves first; its click then opens the next editor.
      await page.focus("#value-longitud");
      await page.click("#value-longitud");
      await page.waitForSelector("#editor-longitude");
      assert.equal(await page.$eval("#value-Latitud", (b) => b.textContent), shown);
      const problem = await page.$eval("#value-Latitud + .value-problem", (p) => p.textContent);
      assert.ok(problem.startsWith(says) && (says === "") === (problem === ""), problem);
      await page.close();
    });
  }
});

describe("refused numbers", () => {
  // [field, typed, the start of what is said beside it, the box then]
  const rain = [
    ["#rain-frequency", "99", '"99" is not taken. Enter a frequency from 1 to 55 GHz.', "12"],
    ["#rain-target", "100", '"100" is not taken. Enter a target from 95 to 99.999 % of the year.', "99.9"],
    ["#rain-station-height", "650", "the station height is in km (650 m is 0.65)", "0"],
    ["#rain-frequency", "11,7", "", "11.7"],
  ];
  for (const [field, typed, says, shown] of rain) {
    it(`says beside ${field} why "${typed}" was not taken`, async () => {
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=en&page=5`);
      await page.evaluate(() => localStorage.clear());
      await page.click(".rain-availability summary");
      await page.waitForSelector(field);
      await page.$eval(field, (f) => (f.value = ""));
      await page.type(field, typed);
      await page.keyboard.press("Tab");
      const problem = await page.$eval(`${field}-problem`, (p) => (p.hidden ? "" : p.textContent));
      assert.ok(problem.includes(says) && (says === "") === (problem === ""), problem);
      assert.equal(await page.$eval(field, (f) => f.value), shown);
      await page.evaluate(() => localStorage.clear());
      await page.close();
    });
  }

  it("says beside the offset angle why 50 was not taken, and keeps it marked", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&lang=en&page=4`);
    const tilt = await page.$eval(".aids", (t) => t.textContent);
    await page.$eval(".offset", (f) => (f.value = ""));
    await page.type(".offset", "50");
    await page.keyboard.press("Tab");
    assert.match(await page.$eval(".offset-row .value-problem", (p) => p.textContent), /45/);
    assert.equal(await page.$eval(".offset", (f) => f.getAttribute("aria-invalid")), "true");
    await page.$eval(".offset", (f) => (f.value = ""));
    await page.type(".offset", "22,5");
    await page.keyboard.press("Tab");
    assert.equal(await page.$eval(".offset-row .value-problem", (p) => p.textContent), "");
    assert.equal(await page.$eval(".offset", (f) => f.getAttribute("aria-invalid")), "false");
    assert.notEqual(await page.$eval(".aids", (t) => t.textContent), tilt);
    await page.close();
  });
});

// What the rain section's rows show, measured in the page: each map's button
// and file name cut by nothing, each info button right beside its caption,
// and no figure parted from its unit.
function rainRowFaults() {
  const faults = [];
  const width = document.documentElement.clientWidth;
  for (const e of document.querySelectorAll(".map-picker button, .map-name")) {
    const box = e.getBoundingClientRect();
    if (e.scrollWidth > e.clientWidth || box.right > width) faults.push(`"${e.textContent}" is cut off`);
  }
  for (const group of document.querySelectorAll(".rain-form .caption-group")) {
    const info = group.querySelector("button.info")?.getBoundingClientRect();
    const caption = group.querySelector(".caption").getBoundingClientRect();
    const gap = info && info.left - caption.right;
    if (info && (gap < 0 || gap > 16 || info.top > caption.bottom || info.bottom < caption.top)) {
      faults.push(`${group.textContent}'s info button is ${gap} px off`);
    }
  }
  for (const e of document.querySelectorAll(".rain-results .nowrap")) {
    if (e.getClientRects().length !== 1) faults.push(`"${e.textContent}" breaks`);
  }
  return faults;
}

describe("the rain section's rows", () => {
  // [language, width, height]
  const cases = [
    ["de", 360, 740],
    ["pl", 360, 740],
    ["de", 1280, 800],
    ["pl", 1280, 800],
  ];
  for (const [language, width, height] of cases) {
    it(`keep their texts whole and their info buttons by their captions in ${language} at ${width} px`, async () => {
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=${language}&page=5`, [], { width, height });
      await page.evaluate(() => localStorage.clear());
      await page.click(".rain-availability summary");
      await page.waitForSelector(".rain-table .nowrap");
      assert.deepEqual(await page.evaluate(rainRowFaults), []);
      await page.close();
    });
  }
});
