// The alignment page's phone aids in Debian's Chromium, the phone played by
// the DevTools protocol: a position fix, orientation readings (set before
// an aid adds its listeners), the fake camera; refusals of each; and the
// sky view's arc against kestrion-cli at three sites.
//   KESTRION_SITE=build/web/site KESTRION_CLI=build/default/app/kestrion-cli \
//     node --test web/tests/aids.test.mjs
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { after, before, describe, it } from "node:test";
import { launch, serveSite, stopServer } from "./chromium.mjs";

const site = process.env.KESTRION_SITE;
const cli = process.env.KESTRION_CLI;
const kDate = "2026-01-01";
const kBerlin = ["latitude:=52.52", "longitude:=13.405", "satellite:=Astra 19.2E"];

function nativeTrace(events) {
  const out = execFileSync(cli, ["--date", kDate, "--trace", ...events], { encoding: "utf8", maxBuffer: 1 << 26 });
  return out.trim().split("\n").map((line) => JSON.parse(line));
}

// A rotation by alpha about z, beta about x, gamma about y, as the
// orientation sensors report it.
function quaternion(alpha, beta, gamma) {
  const h = Math.PI / 360;
  const [ca, sa, cb, sb, cg, sg] = [alpha, alpha, beta, beta, gamma, gamma].map((v, i) =>
    i % 2 ? Math.sin(v * h) : Math.cos(v * h),
  );
  const [w, x, y, z] = [ca * cb, ca * sb, sa * sb, sa * cb];
  return { w: w * cg - y * sg, x: x * cg - z * sg, y: y * cg + w * sg, z: z * cg + x * sg };
}

let browser;
let server;
let origin;

before(async () => {
  browser = await launch(["--use-fake-device-for-media-stream"]);
  ({ server, origin } = await serveSite(site));
});

after(async () => {
  await browser?.close();
  if (server) await stopServer(server);
});

const permissions = {};
async function permit(page, name, setting) {
  const cdp = (permissions.cdp ??= await browser.target().createCDPSession());
  await cdp.send("Browser.setPermission", { origin, permission: { name }, setting });
}

// The alignment page at a site, as a phone held in portrait or landscape;
// the script given runs before the page's own.
async function alignment(events = kBerlin, { landscape = false, before: prepare, query = "", language = "en" } = {}) {
  const errors = [];
  const page = await browser.newPage();
  page.on("pageerror", (e) => errors.push(e.message));
  if (prepare) await page.evaluateOnNewDocument(prepare);
  const [width, height] = landscape ? [740, 360] : [360, 740];
  await page.setViewport({ width, height, isMobile: true, isLandscape: landscape, hasTouch: true });
  const address = events.map((e) => `&event=${encodeURIComponent(e)}`).join("");
  await page.goto(`${origin}/?lang=${language}&date=${kDate}&page=4${query}${address}`, { waitUntil: "load" });
  await page.waitForSelector(".phone-aids");
  return { page, cdp: await page.createCDPSession(), errors };
}

async function hold(cdp, type, alpha, beta, gamma) {
  cdp.overridden ??= new Set();
  if (!cdp.overridden.has(type)) await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type });
  cdp.overridden.add(type);
  await cdp.send("Emulation.setSensorOverrideReadings", { type, reading: { quaternion: quaternion(alpha, beta, gamma) } });
}

// Clicked mid-screen, clear of the results pinned to the screen's bottom.
async function tap(page, selector) {
  await page.$eval(selector, (e) => e.scrollIntoView({ block: "center" }));
  await page.click(selector);
}

const open = (page, aid) => tap(page, `.${aid} > summary`);

const lines = (page, aid) => page.$eval(`.${aid}`, (e) => e.innerText.split("\n").filter(Boolean));

async function waitForLine(page, aid, text, timeout = 6000) {
  await page.waitForFunction(
    (a, t) => document.querySelector(`.${a}`).innerText.includes(t),
    { timeout },
    aid,
    text,
  ).catch(async () => assert.fail(`${aid} never said "${text}":\n${(await lines(page, aid)).join("\n")}`));
}

const valueOf = (page, name) => page.$eval(`#value-${name}`, (b) => b.textContent);

describe("Use my position", () => {
  it("enters the fix as typed entry does, with its accuracy", async () => {
    const { page, cdp, errors } = await alignment();
    await permit(page, "geolocation", "granted");
    await cdp.send("Emulation.setGeolocationOverride", { latitude: -33.924812, longitude: 18.424055, accuracy: 12.4 });
    await tap(page, ".position-aid button");
    await waitForLine(page, "position-aid", "±12 m");
    const [state] = nativeTrace(["latitude:=-33.9248", "longitude:=18.4241", "satellite:=Astra 19.2E"]).slice(-1);
    for (const name of ["Latitud", "longitud", "el", "az"]) assert.equal(await valueOf(page, name), state.texts[name], name);
    assert.deepEqual(errors, []);
    await page.close();
  });

  // [what, permission, override, message]
  const refusals = [
    ["refused", "denied", { latitude: 1, longitude: 2, accuracy: 3 }, "was not allowed"],
    ["without a fix", "granted", {}, "found no position fix"],
  ];
  for (const [what, setting, override, message] of refusals) {
    it(`says so and changes nothing ${what}`, async () => {
      const { page, cdp } = await alignment();
      await permit(page, "geolocation", setting);
      await cdp.send("Emulation.setGeolocationOverride", override);
      const before = await valueOf(page, "Latitud");
      await tap(page, ".position-aid button");
      await waitForLine(page, "position-aid", message);
      assert.equal(await valueOf(page, "Latitud"), before);
      assert.equal(await page.$eval(".position-aid button", (b) => b.disabled), false);
      await page.close();
    });
  }
});

describe("the compass", () => {
  // Berlin towards Astra 19.2E: the magnetic bearing is 167.63°.
  // [hold, landscape, alpha, beta, gamma, heading, turn]
  const holds = [
    ["flat in portrait", false, 200, 0, 0, "160.0", "Turn 7.6° right"],
    ["flat in portrait, past it", false, 170, 0, 0, "190.0", "Turn 22.4° left"],
    ["flat in landscape", true, 290, 0, 0, "160.0", "Turn 7.6° right"],
    ["upright in portrait, camera to the bearing", false, 192.37, 90, 0, "167.6", "Facing the bearing"],
  ];
  for (const [pose, landscape, alpha, beta, gamma, heading, turn] of holds) {
    it(`reads the heading held ${pose}`, async () => {
      const { page, cdp, errors } = await alignment(kBerlin, { landscape });
      await hold(cdp, "absolute-orientation", alpha, beta, gamma);
      await open(page, "compass-aid");
      await waitForLine(page, "compass-aid", `Phone heading: ${heading}° magnetic`);
      assert.ok((await lines(page, "compass-aid")).includes(turn), turn);
      // The figures reach a screen reader as text, not only on the dial.
      await page.waitForFunction((t) => document.querySelector(".compass-aid [aria-live]").textContent.startsWith(t), {}, turn);
      assert.deepEqual(errors, []);
      await page.close();
    });
  }

  // [what, how the phone answers, message]
  const refusals = [
    ["a phone without a compass", { sensor: { available: false } }, "No compass reading"],
    ["a refusal on iOS", { ios: "denied" }, "The compass was not allowed"],
  ];
  for (const [what, { sensor, ios }, message] of refusals) {
    it(`says so for ${what}, and still gives the bearing`, async () => {
      const prepare = ios
        ? `DeviceOrientationEvent.requestPermission = async () => ${JSON.stringify(ios)};`
        : undefined;
      const { page, cdp } = await alignment(kBerlin, { before: prepare });
      if (sensor) await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type: "absolute-orientation", metadata: sensor });
      await open(page, "compass-aid");
      await waitForLine(page, "compass-aid", message);
      assert.ok((await lines(page, "compass-aid")).includes("Magnetic bearing to face: 167.63°"));
      await page.close();
    });
  }
});

describe("the inclinometer", () => {
  // Berlin towards Astra 19.2E: elevation 29.71°, face tilt 29.71° back.
  // [hold, landscape, offset angle, beta, gamma, elevation, raise, face tilt]
  const holds = [
    ["upright in portrait", false, undefined, 110, 0, "20.0", "Raise 9.7°", undefined],
    ["sideways in landscape", true, undefined, 180, 70, "20.0", "Raise 9.7°", undefined],
    ["upright, too far back", false, undefined, 125, 0, "35.0", "Lower 5.3°", undefined],
    ["on an offset dish", false, "22.5", 97.2, 0, "29.7", "On target", "7.2° leans back"],
  ];
  for (const [pose, landscape, offset, beta, gamma, elevation, raise, tilt] of holds) {
    it(`reads the dish held ${pose}`, async () => {
      const query = offset ? `&offset=${offset}` : "";
      const { page, cdp } = await alignment(kBerlin, { landscape, query });
      await hold(cdp, "relative-orientation", 0, beta, gamma);
      await open(page, "level-aid");
      await waitForLine(page, "level-aid", `Measured elevation: ${elevation}°`);
      const shown = await lines(page, "level-aid");
      assert.ok(shown.includes(raise), `${raise} in\n${shown.join("\n")}`);
      if (tilt) assert.ok(shown.some((l) => l.includes(tilt)), `${tilt} in\n${shown.join("\n")}`);
      await page.close();
    });
  }

  // The long edge raised to an obstacle's top: [beta, its top, beside it].
  const sights = [
    [20, "20.0", "clear by 9.7°"],
    [35, "35.0", "blocked by 5.3°"],
  ];
  for (const [beta, top, clearance] of sights) {
    it(`sights an obstacle's top at ${top}° against the satellite's 29.71°`, async () => {
      const { page, cdp } = await alignment(kBerlin);
      await hold(cdp, "relative-orientation", 0, beta, 0);
      await open(page, "level-aid");
      await tap(page, ".level-aid .obstacle-sight button");
      await waitForLine(page, "level-aid", clearance);
      const shown = await lines(page, "level-aid");
      assert.ok(shown.includes(`The obstacle's top: ${top}° above the horizontal`), shown.join("\n"));
      assert.equal(await page.$eval(".obstacle-sight button", (b) => b.getAttribute("aria-pressed")), "true");
      await page.close();
    });
  }

  it("takes the phone's own error off with one tap, and keeps it", async () => {
    const { page, cdp } = await alignment();
    await hold(cdp, "relative-orientation", 0, 2, 0);
    await open(page, "level-aid");
    await waitForLine(page, "level-aid", "Measured elevation");
    await tap(page, ".level-aid .aid-buttons button");
    await waitForLine(page, "level-aid", "2.0°");
    await hold(cdp, "relative-orientation", 0, 112, 0);
    await waitForLine(page, "level-aid", "Measured elevation: 20.0°");
    await page.reload({ waitUntil: "load" });
    await page.waitForSelector(".phone-aids");
    await cdp.send("Emulation.setSensorOverrideReadings", {
      type: "relative-orientation",
      reading: { quaternion: quaternion(0, 112, 0) },
    });
    await open(page, "level-aid");
    await waitForLine(page, "level-aid", "Measured elevation: 20.0°");
    await page.close();
  });

  it("says so when the sensors are refused", async () => {
    const { page } = await alignment(kBerlin, { before: `DeviceOrientationEvent.requestPermission = async () => "denied";` });
    await open(page, "level-aid");
    await waitForLine(page, "level-aid", "The motion sensors were not allowed");
    await page.close();
  });
});

describe("the sky view", () => {
  // [site, events, language, its letters for east and west]
  const sites = [
    ["Berlin", ["latitude:=52.52", "longitude:=13.405"], "en", "EW"],
    ["Cape Town", ["latitude:=33°55'29\"S", "longitude:=18°25'25\"E"], "de", "OW"],
    ["Anchorage", ["latitude:=61.2181", "longitude:=-149.9003"], "en", "EW"],
  ];
  for (const [name, events, language, [east, west]] of sites) {
    it(`gives the arc from ${name} as the alignment page does, in ${language}`, async () => {
      const { page } = await alignment(events, { language });
      await open(page, "sky-aid");
      await page.waitForSelector(".arc-table tbody tr");
      const rows = await page.$$eval(".arc-table tbody tr", (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
      const positions = Array.from({ length: 361 }, (_, i) => i - 180);
      const named = (p) => `${Math.abs(p)}°${p === 0 || Math.abs(p) === 180 ? "" : p < 0 ? ` ${west}` : ` ${east}`}`;
      const states = nativeTrace([...events, ...positions.map((p) => `satellite:=${Math.abs(p)}${p < 0 ? "W" : "E"}`)]);
      const expected = positions
        .map((p, i) => [named(p), states[events.length + 1 + i].texts.el, states[events.length + 1 + i].texts.az])
        .filter(([, el]) => Number(el) >= 0);
      assert.deepEqual(rows, expected);
      await page.close();
    });
  }

  it("draws the arc over the fake camera's picture, and stops it when hidden", async () => {
    const { page, errors } = await alignment();
    await permit(page, "camera", "granted");
    await open(page, "sky-aid");
    await tap(page, ".sky-aid .aid-buttons button");
    await page.waitForFunction(() => document.querySelector(".sky-aid video")?.readyState >= 2, { timeout: 10000 });
    const live = () => page.$eval(".sky-aid video", (v) => v.srcObject?.getTracks().map((t) => t.readyState) ?? []);
    assert.deepEqual(await live(), ["live"]);
    await page.click(".tabs [role=tab]");
    assert.deepEqual(await live(), []);
    assert.deepEqual(errors, []);
    await page.close();
  });

  it("keeps the sky diagram when the camera is refused", async () => {
    const { page } = await alignment();
    await permit(page, "camera", "denied");
    await open(page, "sky-aid");
    await tap(page, ".sky-aid .aid-buttons button");
    await waitForLine(page, "sky-aid", "The camera was not allowed");
    assert.ok(await page.$(".sky-aid .sky-picture svg"));
    await page.close();
  });
});

describe("battery", () => {
  it("stops listening when the aid is closed or its page hidden", async () => {
    const count = `
      window.__listening = 0;
      const add = window.addEventListener, remove = window.removeEventListener;
      window.addEventListener = function (type, ...rest) {
        if (type.startsWith("deviceorientation")) window.__listening++;
        return add.call(this, type, ...rest);
      };
      window.removeEventListener = function (type, ...rest) {
        if (type.startsWith("deviceorientation")) window.__listening--;
        return remove.call(this, type, ...rest);
      };`;
    const { page, cdp } = await alignment(kBerlin, { before: count });
    await hold(cdp, "absolute-orientation", 200, 0, 0);
    const listening = () => page.evaluate(() => window.__listening);
    await open(page, "compass-aid");
    await open(page, "level-aid");
    await page.waitForFunction(() => window.__listening === 2);
    await open(page, "level-aid");
    await page.waitForFunction(() => window.__listening === 1);
    await page.click(".tabs [role=tab]");
    assert.equal(await listening(), 0);
    await page.click(".tabs [role=tab]:nth-child(5)");
    await page.waitForFunction(() => window.__listening === 1);
    await page.close();
  });
});
