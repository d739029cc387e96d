// The alignment page's motor and multifeed section in Chromium: its figures
// are kestrion-cli's north and south of the equator, a tapped satellite
// moves the page, a refused box says why beside itself; and how long the
// visible list takes in the page.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { after, before, describe, it } from "node:test";
import { launch, openPage, serveSite, stopServer } from "./harness.mjs";

const site = process.env.KESTRION_SITE;
const cli = process.env.KESTRION_CLI;
const kDate = "2026-01-01";

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

const native = (...args) => JSON.parse(execFileSync(cli, ["--date", kDate, ...args], { encoding: "utf8" }));
// As the window shows an angle: cut down to two decimals.
const shown = (degrees) => `${Math.floor(degrees * 100) / 100}°`;
const text = (page, selector) => page.$eval(selector, (e) => e.textContent);

async function openSection(events) {
  const address = `${origin}/?date=${kDate}&lang=en&page=4&${events.map((e) => `event=${encodeURIComponent(e)}`).join("&")}`;
  const page = await openPage(browser, address, [], { width: 1280, height: 800 });
  await page.click("details.motor-section summary");
  await page.waitForSelector("#visible-satellites li");
  return page;
}

async function typeInto(page, selector, typed) {
  await page.$eval(selector, (f) => (f.value = ""));
  await page.type(selector, typed);
  await page.keyboard.press("Tab");
}

describe("the motor and multifeed section", () => {
  // [site, the satellite's events, the second satellite]
  const sites = [
    ["Berlin", ["latitude:=52.52", "longitude:=13.405", "satellite:=Astra 19.2E"], "Hotbird 13E"],
    ["Cape Town", ["latitude:=-33.9247", "longitude:=18.4241", "satellite:=36E"], "Eutelsat 7A 7.0E"],
  ];
  for (const [name, events, second] of sites) {
    it(`shows kestrion-cli's figures at ${name}`, async () => {
      const page = await openSection(events);
      const { motor, polarMount } = native("--motor-limit", "75", ...events).pointing;
      assert.equal(await text(page, "#motor-turn"), `${shown(motor.angle)} ${motor.direction}`);
      assert.equal(await text(page, "#motor-diseqc"), motor.diseqc);
      assert.equal(await text(page, "#motor-mount"), `elevation scale ${shown(polarMount.latitudeScale)}, ` +
        `declination offset ${shown(polarMount.declinationOffset)}, dish elevation ${shown(polarMount.dishElevation)}`);

      const visible = native("--satellites", "--visible", ...events);
      const rows = await page.$$eval("#visible-satellites button", (b) => b.map((x) => [x.dataset.name, x.textContent]));
      assert.deepEqual(rows.map(([n]) => n), visible.map((v) => v.name));
      for (const v of [visible[0], visible[visible.length - 1]]) {
        const row = rows.find(([n]) => n === v.name)[1];
        for (const figure of [v.elevation, v.azimuth, v.skew, v.motorAngle]) assert.ok(row.includes(shown(figure)), row);
        assert.ok(row.includes(v.motorDirection), row);
      }

      await typeInto(page, "#second-satellite", second);
      const m = native("--multifeed", second, "--focal-length", "0.6", "--diameter", "0.8", ...events);
      const figures = await text(page, "#multifeed-figures");
      assert.ok(figures.startsWith(`Separation ${shown(m.separation)}; second LNB ${Math.round(m.offset * 1000)} mm ${m.side}`), figures);
      assert.ok(figures.endsWith(`rail tilt ${shown(m.railTilt)}; its skew ${shown(m.skew)}`), figures);
      await page.close();
    });
  }

  it("points the alignment page at a tapped satellite", async () => {
    const page = await openSection(["latitude:=52.52", "longitude:=13.405"]);
    await page.$eval('#visible-satellites button[data-name="Hotbird 13E 13.0E"]', (b) => b.scrollIntoView());
    await page.click('#visible-satellites button[data-name="Hotbird 13E 13.0E"]');
    await page.waitForSelector('#visible-satellites button[aria-current="true"]');
    const expected = native("latitude:=52.52", "longitude:=13.405", "satellite:=Hotbird 13E").texts;
    assert.equal(await text(page, "#value-satposition"), expected.satposition);
    assert.equal(await text(page, "#value-el"), expected.el);
    assert.equal(await page.$eval('button[aria-current="true"]', (b) => b.dataset.name), "Hotbird 13E 13.0E");
    const times = await page.evaluate(() => performance.getEntriesByName("kestrion-visible").map((e) => e.duration));
    console.log(`visible list in the page: ${times.map((t) => t.toFixed(2)).join(", ")} ms`);
    await page.close();
  });

  // [box, typed, what is said beside it]
  const refusals = [
    ["#focal-length", "0.01", '"0.01" is not taken. Enter the focal length in metres, from 0.1 to 5.'],
    ["#focal-length", "4", "(F/D 5). Enter a focal length from 0.2 to 1.5 times the diameter"],
    ["#dish-diameter", "big", '"big" is not taken. Enter the dish\'s diameter in metres, from 0.2 to 5.'],
    ["#second-satellite", "Astra 19.2E", "Enter a satellite at another position."],
    ["#motor-limit", "120", "\"120\" is not taken. Enter a number of degrees either side of the meridian from 1 to 90."],
  ];
  for (const [box, typed, says] of refusals) {
    it(`says beside ${box} why "${typed}" was not taken`, async () => {
      const page = await openSection(["satellite:=Astra 19.2E"]);
      if (box !== "#second-satellite" && box !== "#motor-limit") await typeInto(page, "#second-satellite", "13E");
      await typeInto(page, box, typed);
      const problem = await text(page, `${box}-problem`);
      assert.ok(problem.includes(says), problem);
      assert.equal(await page.$eval(box, (f) => f.getAttribute("aria-invalid")), "true");
      await page.close();
    });
  }
});
