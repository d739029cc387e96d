// The built web app in a browser (harness.mjs: Chromium, Firefox or
// WebKitGTK): every page built from the tables, the same texts as
// kestrion-cli for sliders, options and typed entries, refused forms, name
// completion, the fault path, the keyboard, languages, saved sites, offline
// use, Copy and the print view, bad addresses, the phone aids without
// sensors, and what a screen reader gets.
//   KESTRION_SITE=build/web/site KESTRION_CLI=build/default/app/kestrion-cli \
//     [KESTRION_BROWSER=firefox] node --test web/tests/browser.test.mjs
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, it } from "node:test";
import { devtoolsOnly, launch, openPage, serveSite, stopServer } from "./harness.mjs";

const site = process.env.KESTRION_SITE;
const cli = process.env.KESTRION_CLI;
const kDate = "2026-01-01";

function native(events) {
  const out = execFileSync(cli, ["--date", kDate, ...events], { encoding: "utf8" });
  return JSON.parse(out);
}

// The catalogue the build converted, as the page reads it.
function catalogue(language) {
  const entries = new Map();
  for (const record of readFileSync(join(site, "i18n", `${language}.txt`), "utf8").split("\u001e")) {
    const [context, source, translation] = record.split("\u001f");
    entries.set(`${context}\u001f${source}`, translation);
  }
  return (context, source) => entries.get(`${context}\u001f${source}`) ?? source;
}

// Every value box and result the shown page has, by value name.
async function shownTexts(page) {
  return page.$$eval("[role=tabpanel]:not([hidden]) [id^=value-]", (boxes) =>
    Object.fromEntries(boxes.map((b) => [b.id.slice("value-".length), b.textContent])),
  );
}

async function typeInto(page, value, text) {
  await page.click(`#value-${value}`);
  await page.waitForSelector(".angle-field");
  await page.$eval(".angle-field", (f) => (f.value = ""));
  await page.type(".angle-field", text);
}

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

describe("the calculator's pages", () => {
  it("builds every page from the engine's tables", async () => {
    const errors = [];
    const page = await openPage(browser, `${origin}/?date=${kDate}`, errors);
    const describe = await page.evaluate(() => globalThis.kestrion.describe());
    for (let i = 0; i < describe.pages.length; ++i) {
      await page.click(`#tab-${i}`);
      const shown = await page.$eval(`#page-${i}`, (p) => !p.hidden);
      assert.ok(shown, `page ${i} shows`);
      const sliders = await page.$$eval(`#page-${i} input[type=range]`, (r) => r.length);
      assert.equal(sliders, describe.inputs.filter((input) => input.page === i).length);
    }
    assert.deepEqual(errors, []);
    await page.close();
  });

  it("takes every declaration of the stylesheet", async () => {
    const css = readFileSync(join(site, "styles.css"), "utf8").replace(/\/\*[\s\S]*?\*\//g, "");
    const declarations = [...css.matchAll(/\{([^{}]*)\}/g)]
      .flatMap((block) => block[1].split(";"))
      .map((d) => d.match(/^\s*([-a-z]+)\s*:\s*([\s\S]+?)(?:\s*!important)?\s*$/)?.slice(1))
      .filter(Boolean);
    assert.ok(declarations.length > 100, `${declarations.length} declarations`);
    const page = await openPage(browser, `${origin}/`);
    const refused = await page.evaluate((all) => all.filter(([p, v]) => !CSS.supports(p, v)), declarations);
    assert.deepEqual(refused, []);
    await page.close();
  });

  it("gives kestrion-cli's texts for sliders, options and typed entries", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    await page.click("#tab-4");
    await page.focus("#range-HScroll17");
    for (let i = 0; i < 3; ++i) await page.keyboard.press("ArrowLeft");
    await page.keyboard.press("PageUp");
    await typeInto(page, "longitud", "13°24'18\"E");
    await page.keyboard.press("Enter");
    await page.click("#tab-5");
    await page.click("#option-Option2");
    const expected = native(["HScroll17=58", "longitude:=13°24'18\"E", "Option2"]).texts;
    await page.click("#tab-4");
    const shown = await shownTexts(page);
    await page.click("#tab-5");
    Object.assign(shown, await shownTexts(page));
    for (const [name, text] of Object.entries(shown)) assert.equal(text, expected[name], name);
    assert.ok(Object.keys(shown).length >= 15);
    // The compass's bearing stands with the pinned results.
    await page.click("#tab-4");
    assert.equal(await page.$eval("#aid-magneticBearing", (e) => e.closest(".results") !== null), true);
    assert.equal(await page.$eval("#aid-magneticBearing", (e) => e.textContent), native(["HScroll17=58", "longitude:=13°24'18\"E"]).pointing.magneticAzimuth);
    await page.close();
  });

  it("refuses a typed form with the editor's message, changing nothing", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&lang=de`);
    const tr = catalogue("de");
    await page.click("#tab-4");
    await typeInto(page, "Latitud", "95");
    await page.keyboard.press("Enter");
    const problem = await page.$eval(".angle-problem", (p) => p.textContent);
    assert.ok(problem.startsWith(tr("AngleText", "That is out of range.")), problem);
    assert.equal(await page.$eval(".angle-field", (f) => f.getAttribute("aria-invalid")), "true");
    await page.keyboard.press("Escape");
    assert.equal(await page.$eval("#value-Latitud", (b) => b.textContent), "60");
    await page.close();
  });

  it("types a slider's value, refusing what is no step of it", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    // The LNB's noise figure: tenths of a dB, 0 to 10.
    const cases = [
      ["0,8", 8],
      ["2.5 dB", 25],
      ["10.05", null],
      ["11", null],
      ["abc", null],
    ];
    for (const [text, position] of cases) {
      await page.click("#value-lnbnf");
      await page.waitForSelector(".number-field");
      await page.$eval(".number-field", (f) => (f.value = ""));
      await page.type(".number-field", text);
      await page.keyboard.press("Enter");
      if (position === null) {
        const problem = await page.$eval("[data-input=HScroll1] .value-problem", (p) => p.textContent);
        assert.equal(problem, `${text} is not taken: 0.0 to 10.0 dB, in steps of 0.1.`);
        assert.equal(await page.$eval(".number-field", (f) => f.getAttribute("aria-invalid")), "true");
        await page.keyboard.press("Escape");
      } else {
        assert.equal(await page.$eval("#value-lnbnf", (b) => b.textContent), native([`HScroll1=${position}`]).texts.lnbnf, text);
        assert.equal(await page.$eval("#range-HScroll1", (r) => r.value), String(position));
      }
    }
    await page.close();
  });

  it("opens a hover tooltip's text by touch", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    const info = "[data-input=HScroll1] button.info";
    const tip = await page.$eval("#value-lnbnf", (b) => b.title);
    assert.ok(tip.length > 0);
    await page.click(info);
    assert.equal(await page.$eval(info, (b) => b.getAttribute("aria-expanded")), "true");
    assert.equal(await page.$eval("[data-input=HScroll1] .hint", (n) => n.textContent), tip);
    await page.click(info);
    assert.equal(await page.$eval("[data-input=HScroll1] .hint", (n) => n.textContent), "");
    await page.close();
  });

  it("completes satellites' names and takes one with one Enter", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    await page.click("#tab-4");
    await typeInto(page, "satposition", "astra 19");
    const names = await page.$$eval(".suggestions li", (li) => li.map((l) => l.textContent));
    assert.ok(names.includes("Astra 19.2E"), names.join(", "));
    const index = names.indexOf("Astra 19.2E");
    for (let i = 0; i <= index; ++i) await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    assert.equal(await page.$eval("#value-satposition", (b) => b.textContent), "19.2");
    assert.equal(await page.$eval(".satellite-name", (s) => s.textContent), "Astra 19.2E");
    await page.close();
  });

  it("reports a floating-point fault as kestrion-cli does, with the texts written before it", async () => {
    const page = await openPage(browser, `${origin}/`);
    const outcome = await page.evaluate(async () => {
      const engine = await globalThis.kestrion.Engine.load("kestrion.wasm");
      engine.setText("rsat", "0");
      const result = engine.run("HScroll20=41");
      return { ...result, eirp: engine.state().texts.eirp, cnres: engine.state().texts.cnres };
    });
    const start = native([]).texts;
    assert.deepEqual(outcome, {
      status: 3,
      message: 'event "HScroll20=41": floating-point fault in CarrierToNoiseCalc: division by zero',
      eirp: "41",
      cnres: start.cnres,
    });
    await page.close();
  });

  it("gives kestrion-cli's states to scripts through kestrion.trace", async () => {
    // Six typed entries among the trace's first 6,000 events.
    const typed = ["latitude:=33°55'29\"S", "longitude:=18°25'25\"E", "satellite:=Astra 19.2E",
      "latitude:=61.2181", "longitude:=-149.9003", "satellite:=28.2E"];
    const events = readFileSync(new URL("../../tests/trace/events.txt", import.meta.url), "utf8")
      .split("\n")
      .filter(Boolean)
      .slice(0, 6000)
      .flatMap((e, i) => (i % 1000 === 999 ? [e, typed[(i - 999) / 1000]] : [e]));
    const page = await openPage(browser, `${origin}/`);
    // As one text: a protocol carries that faster than 6,007 objects.
    const states = JSON.parse(
      await page.evaluate((e, date) => JSON.stringify(globalThis.kestrion.trace(e, { date })), events, kDate),
    );
    const expected = execFileSync(cli, ["--trace", "--date", kDate, "-"], { input: events.join("\n"), encoding: "utf8", maxBuffer: 1 << 26 })
      .trim()
      .split("\n")
      .map((line) => JSON.parse(line));
    // The magnetic model's raw declination may differ in its last bits (the
    // C libraries' elementary functions); every text is the same.
    for (const [i, state] of states.entries()) {
      const d = state.pointing.declination;
      const e = expected[i].pointing.declination;
      assert.ok(Math.abs(d - e) <= 1e-12 * Math.max(1, Math.abs(e)), `state ${i}: ${d} vs ${e}`);
      state.pointing.declination = e;
    }
    assert.equal(states.length, 6007);
    assert.deepEqual(states, expected);
    await page.close();
  });

  it("walks the tabs and moves a slider from the keyboard", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    const focused = () => page.evaluate(() => [document.activeElement.id, document.activeElement.getAttribute("aria-selected")]);
    await page.focus("#tab-0");
    // [key, the tab then focused and chosen]
    const walks = [["ArrowRight", 1], ["ArrowLeft", 0], ["ArrowLeft", 5], ["Home", 0], ["End", 5], ["ArrowRight", 0]];
    for (const [key, tab] of walks) {
      await page.keyboard.press(key);
      assert.deepEqual(await focused(), [`tab-${tab}`, "true"], key);
    }
    // LNB Noise Figure, 0 to 100 from 10: [key, position]
    const moves = [["ArrowRight", 11], ["PageDown", 10], ["PageUp", 11], ["End", 100], ["Home", 0], ["ArrowLeft", 0]];
    await page.focus("#range-HScroll1");
    for (const [key, position] of moves) {
      await page.keyboard.press(key);
      const expected = native([`HScroll1=${position}`]).texts;
      const shown = await page.evaluate(() => [document.getElementById("range-HScroll1").value, ...["lnbnf", "totnf"].map((v) => document.getElementById(`value-${v}`).textContent)]);
      assert.deepEqual(shown, [String(position), expected.lnbnf, expected.totnf], key);
    }
    await page.close();
  });
});

describe("languages, sites and the print view", () => {
  it("breaks German and Polish tabs at their word joints", async () => {
    const cases = [
      ["de", 1, "Rausch\u00admaß in Rausch\u00adtemperatur"],
      ["de", 4, "Antennen\u00adausrichtung"],
      ["pl", 1, "NF na tempe\u00adraturę szu\u00admową"],
      ["en", 1, "NF to Noise Temperature"],
    ];
    for (const [language, tab, shown] of cases) {
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=${language}`);
      assert.equal(await page.$eval(`#tab-${tab}`, (t) => t.textContent), shown, `${language} ${tab}`);
      await page.close();
    }
  });

  it("follows the chooser and keeps the choice", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    await page.select("#language", "pl");
    await page.waitForFunction(() => document.documentElement.lang === "pl");
    const tr = catalogue("pl");
    assert.equal(await page.$eval("#tab-0", (t) => t.textContent), tr("Caption", "System Noise Figure"));
    await page.reload({ waitUntil: "load" });
    await page.waitForSelector("#tab-0");
    assert.equal(await page.evaluate(() => document.documentElement.lang), "pl");
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  it("keeps saved sites across a reload, skipping a broken entry with a warning", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&event=latitude:=52.52&event=longitude:=13.405`);
    await page.evaluate(() => localStorage.setItem("kestrion.site.Broken", "{not json"));
    await page.click(".tools button:nth-child(3)");
    await page.type("#site-name", "Roof 7");
    await page.click(".site-save button");
    await page.keyboard.press("Escape");
    await page.goto(`${origin}/?date=${kDate}`, { waitUntil: "load" });
    await page.waitForSelector("#tab-0");
    await page.click("#tab-4");
    assert.equal(await page.$eval("#value-Latitud", (b) => b.textContent), "60");
    await page.click(".tools button:nth-child(3)");
    const items = await page.$$eval(".site-list .site-name", (s) => s.map((x) => x.textContent));
    assert.deepEqual(items, ["Roof 7"]);
    const warning = await page.$eval(".sites-dialog .problem", (p) => p.textContent);
    assert.match(warning, /Broken/);
    await page.click(".site-list li button");
    assert.equal(await page.$eval("#value-Latitud", (b) => b.textContent), "52.52");
    assert.equal(await page.$eval("#value-longitud", (b) => b.textContent), "13.405");
    assert.equal(await page.evaluate(() => localStorage.getItem("kestrion.site.Broken")), "{not json");
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  it("keeps both sites when two tabs save, each with its list open", async () => {
    const one = await openPage(browser, `${origin}/?date=${kDate}`);
    const two = await openPage(browser, `${origin}/?date=${kDate}`);
    for (const page of [one, two]) {
      await page.bringToFront();
      await page.click(".tools button:nth-child(3)");
    }
    for (const [page, name] of [[one, "North roof"], [two, "South roof"]]) {
      await page.bringToFront();
      await page.type("#site-name", name);
      await page.click(".site-save button");
    }
    await one.bringToFront();
    // The other tab's save reaches this tab's open list too.
    await one.waitForFunction(() => document.querySelectorAll(".site-list .site-name").length === 2);
    const names = await one.$$eval(".site-list .site-name", (s) => s.map((x) => x.textContent).sort());
    assert.deepEqual(names, ["North roof", "South roof"]);
    await one.evaluate(() => localStorage.clear());
    await one.close();
    await two.close();
  });

  it("copies the page's figures, kestrion-cli's texts among them", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&page=4&event=latitude:=52.52&event=longitude:=13.405`);
    await page.evaluate(() => {
      const write = navigator.clipboard.writeText.bind(navigator.clipboard);
      navigator.clipboard.writeText = (text) => write((globalThis.copied = text));
    });
    await page.click(".tools button:nth-child(1)");
    await page.waitForSelector(".messages .message");
    assert.equal(await page.$eval(".messages .message", (m) => m.firstChild.textContent), "The page's figures are on the clipboard.");
    const copied = await page.evaluate(() => globalThis.copied);
    const expected = native(["latitude:=52.52", "longitude:=13.405"]).texts;
    for (const value of ["Latitud", "longitud", "el", "az"]) assert.ok(copied.includes(expected[value]), `${value} in ${copied}`);
    await page.close();
  });

  it("shows the job sheet's words and figures in the print view", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&event=latitude:=52.52&event=longitude:=13.405`);
    await page.click(".tools button:nth-child(2)");
    await page.waitForSelector(".sheet");
    const text = await page.$eval(".sheet", (s) => s.textContent);
    const expected = native(["latitude:=52.52", "longitude:=13.405"]);
    for (const value of ["el", "az", "cnres", "totnf"]) assert.ok(text.includes(expected.texts[value]), value);
    assert.equal(await page.$$eval(".sheet table", (t) => t.length), 4);
    assert.equal(await page.$$eval(".sheet svg", (s) => s.length), 3);
    await page.emulateMediaType("print");
    assert.equal(await page.$eval(".app", (a) => getComputedStyle(a).display), "none");
    await page.close();
  });

  // [language, with the rain section, pages on A4 and on Letter]
  const prints = [
    ["en", false, 1],
    ["de", false, 1],
    ["pl", false, 1],
    ["en", true, 2],
    ["de", true, 2],
    ["pl", true, 2],
  ];
  for (const [language, rain, pages] of prints) {
    it(`prints the job sheet in ${language} on ${pages} page(s)${rain ? " with the rain section" : ""}`, devtoolsOnly, async () => {
      const madrid = "&event=latitude:=40.4168&event=longitude:=-3.7038&event=satellite:=30W";
      const page = await openPage(browser, `${origin}/?date=${kDate}&lang=${language}&page=5${madrid}`, [], { width: 360, height: 740 });
      await page.evaluate(() => localStorage.clear());
      if (rain) {
        await page.click(".rain-availability summary");
        await page.waitForSelector(".rain-table");
      }
      await page.click(".tools button:nth-child(2)");
      await page.waitForSelector(".sheet");
      // The phone's preview keeps the date on one line; the footer is the web's.
      assert.equal(await page.$eval(".sheet-date .nowrap", (d) => d.getClientRects().length), 1);
      const version = await page.evaluate(() => globalThis.kestrion.describe().version);
      const tr = language === "en" ? (_, source) => source : catalogue(language);
      const footer = tr("Web", "Kestrion %1 \u2014 every figure as the web app shows it").replace("%1", version);
      assert.equal(await page.$eval(".sheet-footer", (f) => f.textContent), footer);
      for (const format of ["A4", "Letter"]) {
        const pdf = Buffer.from(await page.pdf({ format })).toString("latin1");
        assert.equal(pdf.match(/\/Type\s*\/Page\b/g).length, pages, format);
      }
      await page.evaluate(() => localStorage.clear());
      await page.close();
    });
  }

  it("says which parts of a bad address it did not use, and works on", async () => {
    const page = await openPage(browser, `${origin}/?date=2026-02-30&event=HScroll99=1&offset=90`);
    const messages = await page.$$eval(".message.problem", (m) => m.map((x) => x.textContent));
    assert.equal(messages.length, 3, messages.join("\n"));
    assert.ok(messages.some((m) => m.includes("HScroll99")));
    await page.close();
  });

  it("names a refused slider or page as the page does, not as scripts do", async () => {
    const page = await openPage(browser, `${origin}/?lang=en&date=${kDate}&event=HScroll17=999&event=HScroll1~abc&page=9`);
    const messages = await page.$$eval(".message.problem", (m) => m.map((x) => x.firstChild.textContent));
    assert.deepEqual(messages, [
      "The address's event was not used: Latitude: 999 is outside -90 to 90 deg.",
      'The address\'s event was not used: LNB Noise Figure (dB): "abc" is not a number; allowed: 0.0 to 10.0 dB.',
      "The address's page was not used: 9 is not a page; the pages are 0 System Noise Figure, " +
        "1 NF to Noise Temperature, 2 Antenna Gain Calculations, 3 G/T Calculations, 4 Antenna Alignment, 5 C/N.",
    ]);
    await page.close();
  });
});

describe("rain availability", () => {
  it("opens on demand and gives kestrion-cli's figures for the same events", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&page=5`);
    await page.evaluate(() => localStorage.clear());
    const before = await page.evaluate(() => globalThis.kestrion.trace([]).length);
    assert.equal(before, 1);
    await page.click(".rain-availability summary");
    await page.waitForSelector("#rain-zone");
    await page.select("#rain-zone", "N");
    const rows = await page.$$eval(".rain-table tr", (tr) => tr.map((r) => [r.cells[0].textContent, r.cells[1].textContent]));
    const describe = await page.evaluate(() => globalThis.kestrion.describe());
    const events = describe.rainFade.start.map((e) => (e.startsWith("rain-zone:=") ? "rain-zone:=N" : e));
    const expected = native(events).rainFade;
    assert.ok(rows.some(([, value]) => value === `${expected.dishDiameter} cm`), JSON.stringify(rows));
    assert.ok(rows.some(([, value]) => value === `${expected.margin.toFixed(2)} dB`), JSON.stringify(rows));
    assert.equal(await page.evaluate(() => localStorage.getItem("kestrion.rainFade")), '{"rain-rate":"rain-zone:=N"}');
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  // It says what it starts from and that the first values are an example;
  // the skew's tilt is one tap; the C/N page's EIRP one more.
  it("says what it starts from, marks the example and takes the skew's tilt", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&page=5&event=latitude%3A%3D40.4168&event=longitude%3A%3D-3.7038&event=satellite%3A%3D30W`);
    await page.evaluate(() => localStorage.clear());
    await page.click(".rain-availability summary");
    await page.waitForSelector(".rain-notes .note");
    const notes = await page.$eval(".rain-notes", (n) => n.textContent);
    assert.match(notes, /It starts from the C\/N page: EIRP 40 dBW, dish 150 cm/);
    assert.match(notes, /are an example/);
    assert.equal(await page.$eval("#rain-zone option", (o) => o.textContent), "I type the rate");
    await page.click(".rain-tilts button"); // horizontal, turned by the skew
    await page.waitForFunction(() => !document.querySelector(".rain-notes .rain-example"));
    assert.equal(await page.$eval("#rain-tilt", (f) => f.value), "27.4");
    await page.click(".rain-notes button");
    assert.equal(await page.evaluate(() => document.activeElement.id), "range-HScroll20");
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });

  // A refusal stands under its field, the field shows the value in force,
  // and a map is named as the user chose it.
  it("says beside the field what it refused", async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}&page=5`);
    await page.evaluate(() => localStorage.clear());
    await page.click(".rain-availability summary");
    await page.waitForSelector("#rain-station-height");
    const folder = mkdtempSync(join(tmpdir(), "kestrion-map-"));
    const grid = join(folder, "R001 copy.TXT");
    writeFileSync(grid, "1 2 3\n4 5 6\n");
    const cases = [
      { field: "#rain-station-height", type: "650", says: "the station height is in km (650 m is 0.65)", shown: "0" },
      { field: "#rain-rain-rate-map", file: grid, says: "R001 copy.TXT: 2 rows of 3 values; allowed: the ITU-R P.837-7 map R001.TXT, 1441 rows of 2881 values" },
    ];
    for (const c of cases) {
      const before = await page.$eval(".rain-table", (t) => t.textContent);
      if (c.file) {
        await (await page.$(c.field)).uploadFile(c.file);
      } else {
        await page.$eval(c.field, (f) => (f.value = ""));
        await page.type(c.field, c.type);
        await page.keyboard.press("Enter");
      }
      const problem = `${c.field}-problem`;
      await page.waitForSelector(`${problem}:not([hidden])`);
      const text = await page.$eval(problem, (p) => p.textContent);
      assert.ok(text.startsWith(c.says), text);
      assert.ok(!text.includes("/maps/"), text);
      const gap = await page.evaluate(
        (f, p) => document.querySelector(p).getBoundingClientRect().top - document.querySelector(f).getBoundingClientRect().bottom,
        c.field,
        problem,
      );
      assert.ok(gap >= 0 && gap < 40, `${problem} is ${gap} px under its field`);
      if (c.shown !== undefined) assert.equal(await page.$eval(c.field, (f) => f.value), c.shown);
      assert.equal(await page.$eval(".rain-table", (t) => t.textContent), before);
    }
    // A station above the rain height: the figures, with a warning above them.
    await page.$eval("#rain-station-height", (f) => (f.value = ""));
    await page.type("#rain-station-height", "6");
    await page.keyboard.press("Enter");
    await page.waitForSelector(".rain-warnings .message");
    assert.match(await page.$eval(".rain-warnings", (w) => w.textContent), /at or above the rain height \(3 km\)/);
    assert.equal(await page.$eval("#rain-station-height-problem", (p) => p.hidden), true);
    rmSync(folder, { recursive: true });
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });
});

describe("offline", () => {
  it("reloads and computes from the cache after the server stops", async () => {
    const own = await serveSite(site);
    const page = await openPage(browser, `${own.origin}/?date=${kDate}`);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      // Installed means every file is in the cache.
      while (!navigator.serviceWorker.controller) await new Promise((r) => setTimeout(r, 50));
    });
    await stopServer(own.server);
    await page.reload({ waitUntil: "load" });
    await page.waitForSelector("#tab-0");
    await page.focus("#range-HScroll1");
    await page.keyboard.press("ArrowRight");
    assert.equal(await page.$eval("#value-lnbnf", (b) => b.textContent), "1.1");
    await page.close();
  });

  it("keeps the language in use, and says so of one never used here", async () => {
    const own = await serveSite(site);
    const page = await openPage(browser, `${own.origin}/?date=${kDate}&lang=pl`);
    const kept = await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      while (!(await caches.match("i18n/pl.txt"))) await new Promise((r) => setTimeout(r, 50));
      return [Boolean(await caches.match("i18n/it.txt")), Boolean(await caches.match("app.js"))];
    });
    assert.deepEqual(kept, [false, true]); // only what the page used, beside the app
    await stopServer(own.server);
    await page.reload({ waitUntil: "load" });
    await page.waitForSelector("#tab-0");
    assert.equal(await page.evaluate(() => document.documentElement.lang), "pl");
    await page.select("#language", "it");
    await page.waitForFunction(() => document.querySelector(".message.problem"));
    assert.equal(await page.$eval(".message.problem", (m) => m.firstChild.textContent),
      catalogue("pl")("Web", "%1 is not on this device yet: its texts need the network once.").replace("%1", "Italiano"));
    assert.equal(await page.evaluate(() => document.documentElement.lang), "pl");
    await page.evaluate(() => localStorage.clear());
    await page.close();
  });
});

describe("the phone aids without sensors", () => {
  // [aid, what it says]
  const aids = [
    ["compass-aid", "No compass reading: this phone or browser gives none, or it was not allowed."],
    ["level-aid", "No tilt reading: this phone or browser gives none, or it was not allowed."],
    ["sky-aid", "Above the horizon: satellite positions"],
  ];
  for (const [aid, says] of aids) {
    it(`opens the ${aid} and says "${says}"`, async () => {
      const page = await openPage(browser, `${origin}/?lang=en&date=${kDate}&page=4&event=latitude:=52.52&event=longitude:=13.405`);
      await page.$eval(`.${aid} > summary`, (e) => e.scrollIntoView({ block: "center" }));
      await page.click(`.${aid} > summary`);
      // A loaded WebKitGTK takes seconds to say it hears no sensor.
      await page.waitForFunction((a, t) => document.querySelector(`.${a}`).innerText.includes(t), { timeout: 20000 }, aid, says);
      assert.equal(await page.$eval(`.${aid}`, (d) => d.open), true);
      await page.close();
    });
  }
});

describe("accessibility", () => {
  it("speaks the results once after a slider rests", devtoolsOnly, async () => {
    const page = await openPage(browser, `${origin}/?date=${kDate}`);
    await page.evaluate(() => {
      globalThis.changes = 0;
      new MutationObserver(() => ++globalThis.changes).observe(document.getElementById("spoken"), {
        childList: true,
        characterData: true,
        subtree: true,
      });
    });
    await page.focus("#range-HScroll1");
    for (let i = 0; i < 5; ++i) await page.keyboard.press("ArrowRight");
    await new Promise((r) => setTimeout(r, 1500));
    assert.equal(await page.evaluate(() => globalThis.changes), 1);
    const expected = native(["HScroll1=15"]).texts.totnf;
    const tree = await page.accessibility.snapshot({ interestingOnly: false });
    const spoken = [];
    const walk = (node) => {
      if (node.name?.includes("System Noise Figure,")) spoken.push(node.name);
      (node.children ?? []).forEach(walk);
    };
    walk(tree);
    assert.ok(spoken.some((s) => s.includes(`System Noise Figure, ${expected} dB`)), spoken.join(" | "));
    await page.close();
  });
});
