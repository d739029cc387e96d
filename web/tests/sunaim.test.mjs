// The sun on the alignment page in Debian's Chromium, the page's clock fixed
// to an instant: the sun section's sentences and a refused box, and the
// calibration on the sun with a compass 12° off, which gives the turn a true
// heading gives and is dropped after 15 minutes of the page's clock.
//   KESTRION_SITE=build/web/site node --test web/tests/sunaim.test.mjs
import assert from "node:assert/strict";
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { after, before, describe, it } from "node:test";
import { launch, serveSite, stopServer } from "./chromium.mjs";

const site = process.env.KESTRION_SITE;
const kNow = Date.parse("2026-03-20T11:00:00Z");
const kBerlin = ["latitude:=52.52", "longitude:=13.405", "satellite:=Astra 19.2E"];
const kOff = 12; // the compass reads this much clockwise of the truth

// The page's clock stands at kNow until the test moves it.
const kFixedClock = `(() => {
  const Real = Date;
  let shift = 0;
  const now = () => ${kNow} + shift;
  class Fixed extends Real {
    constructor(...a) { if (a.length) super(...a); else super(now()); }
    static now() { return now(); }
  }
  window.Date = Fixed;
  window.moveClock = (ms) => { shift += ms; };
})();`;

function quaternion(alpha, beta, gamma) {
  const h = Math.PI / 360;
  const [ca, sa, cb, sb, cg, sg] = [alpha, alpha, beta, beta, gamma, gamma].map((v, i) =>
    i % 2 ? Math.sin(v * h) : Math.cos(v * h),
  );
  const [w, x, y, z] = [ca * cb, ca * sb, sa * sb, sa * cb];
  return { w: w * cg - y * sg, x: x * cg - z * sg, y: y * cg + w * sg, z: z * cg + x * sg };
}

// The sun's true azimuth at kNow from the site's own engine, in Node.
async function sunAzimuth() {
  const folder = mkdtempSync(join(tmpdir(), "kestrion-site-"));
  try {
    copyFileSync(join(site, "engine.js"), join(folder, "engine.mjs"));
    const { Engine } = await import(pathToFileURL(join(folder, "engine.mjs")).href);
    const engine = await Engine.load(readFileSync(join(site, "kestrion.wasm")));
    for (const e of kBerlin) engine.run(e);
    return engine.sunAt(kNow).azimuth;
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
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

async function alignment(lang = "en") {
  const errors = [];
  const page = await browser.newPage();
  page.on("pageerror", (e) => errors.push(e.message));
  await page.evaluateOnNewDocument(kFixedClock);
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
  const address = kBerlin.map((e) => `&event=${encodeURIComponent(e)}`).join("");
  await page.goto(`${origin}/?lang=${lang}&date=2026-03-20&page=4${address}`, { waitUntil: "load" });
  await page.waitForSelector(".phone-aids");
  return { page, cdp: await page.createCDPSession(), errors };
}

async function hold(cdp, alpha, beta) {
  if (!cdp.overridden) await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type: "absolute-orientation" });
  cdp.overridden = true;
  await cdp.send("Emulation.setSensorOverrideReadings", { type: "absolute-orientation", reading: { quaternion: quaternion(alpha, beta, 0) } });
}

async function tap(page, selector) {
  await page.$eval(selector, (e) => e.scrollIntoView({ block: "center" }));
  await page.click(selector);
}

async function waitForLine(page, selector, text, timeout = 6000) {
  await page
    .waitForFunction((s, t) => document.querySelector(s)?.innerText.includes(t), { timeout }, selector, text)
    .catch(async () => assert.fail(`${selector} never said "${text}":\n${await page.$eval(selector, (e) => e.innerText)}`));
}

describe("the sun section", () => {
  it("gives the sun's and the shadow's times and refuses a bad box beside it", async () => {
    const { page, errors } = await alignment();
    await tap(page, ".sun-section > summary");
    await waitForLine(page, ".sun-section", "face the sun: that is the dish's direction");
    await waitForLine(page, ".sun-section", "Sun outages in the days asked for");
    assert.ok((await page.$$(".sun-outages tbody tr")).length >= 2);
    // [box, typed, beside it]
    const cases = [
      ["diameter", "abc", "\"abc\" is not taken. Enter a number from 0.2 to 5."],
      ["days", "2.5", "\"2.5\" is not taken. Enter a whole number from 1 to 3660."],
      ["obstacle-height", "12", "Enter the obstacle's height and its distance."],
    ];
    for (const [box, typed, problem] of cases) {
      await page.$eval(`#sun-${box}`, (e, v) => {
        e.value = v;
        e.dispatchEvent(new Event("change"));
      }, typed);
      const shown = box === "obstacle-height" ? "obstacle-distance" : box;
      assert.equal(await page.$eval(`#sun-${shown}-problem`, (p) => p.textContent), problem, box);
    }
    await page.$eval("#sun-obstacle-distance", (e) => {
      e.value = "30";
      e.dispatchEvent(new Event("change"));
    });
    await waitForLine(page, ".sun-obstacle", "Its top stands 21.8° above the horizontal.");
    assert.deepEqual(errors, []);
    await page.close();
  });
});

describe("calibrating on the sun", () => {
  it("turns a compass 12° off into the true turn, and drops it after 15 minutes", async () => {
    const sun = await sunAzimuth();
    const { page, cdp, errors } = await alignment();
    // Upright, the camera on the sun: the compass reads its bearing 12° high.
    await hold(cdp, 360 - (sun + kOff), 90);
    await tap(page, ".sky-aid > summary");
    await new Promise((r) => setTimeout(r, 300));
    await tap(page, ".sun-calibration button");
    await waitForLine(page, ".sky-aid", "true north, from the sun, just now");
    // Flat, truly heading 170°: the compass says 182°. (A listener added
    // while the sensor runs hears only the next change.)
    await tap(page, ".compass-aid > summary");
    // The aid starts listening on the toggle event, a task after the tap.
    await new Promise((r) => setTimeout(r, 300));
    await hold(cdp, 360 - (170 + kOff), 0);
    await waitForLine(page, ".compass-aid", "Phone heading: 170.0° true");
    const azimuth = Number(await page.$eval("#value-az", (b) => b.textContent));
    // The sensor's quaternion holds the angles to a few hundredths.
    const turn = await page.$eval(".compass-aid .turn", (l) => l.textContent);
    const by = Number(/^Turn ([\d.]+)° right$/.exec(turn)?.[1]);
    assert.ok(Math.abs(by - (azimuth - 170)) <= 0.1, `${turn}, for ${azimuth}° from 170°`);
    await page.evaluate(() => window.moveClock(2 * 60000));
    await hold(cdp, 360 - (170.5 + kOff), 0);
    await waitForLine(page, ".compass-aid", "true north, from the sun, 2 minutes ago");
    await page.evaluate(() => window.moveClock(14 * 60000));
    await hold(cdp, 360 - (170 + kOff), 0);
    await waitForLine(page, ".compass-aid", "dropped after 15 minutes");
    await waitForLine(page, ".compass-aid", "Phone heading: 182.0° magnetic");
    assert.deepEqual(errors, []);
    await page.close();
  });
});
