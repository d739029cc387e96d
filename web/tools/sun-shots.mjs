// The sun section and the calibrated sky view at phone and desktop size, in
// English and German, as PNGs in the folder given; and the section's time to
// new results after a change on a CPU slowed 4x.
//   node tools/sun-shots.mjs SITE OUT
import { launch, serveSite, stopServer } from "../tests/chromium.mjs";

const [site, out] = process.argv.slice(2);
const kNow = Date.parse("2026-03-20T11:00:00Z");
const kClock = `(() => { const Real = Date; const now = () => ${kNow};
  class Fixed extends Real { constructor(...a) { if (a.length) super(...a); else super(now()); } static now() { return now(); } }
  window.Date = Fixed; })();`;
const kEvents = ["latitude:=52.52", "longitude:=13.405", "satellite:=Astra 19.2E"];

function quaternion(alpha, beta) {
  const h = Math.PI / 360;
  const [ca, sa, cb, sb] = [Math.cos(alpha * h), Math.sin(alpha * h), Math.cos(beta * h), Math.sin(beta * h)];
  return { w: ca * cb, x: ca * sb, y: sa * sb, z: sa * cb };
}

const browser = await launch();
const { server, origin } = await serveSite(site);
const address = kEvents.map((e) => `&event=${encodeURIComponent(e)}`).join("");
try {
  for (const lang of ["en", "de"]) {
    for (const [width, height, name] of [[360, 740, "phone"], [1280, 800, "desktop"]]) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument(kClock);
      await page.setViewport({ width, height, isMobile: width < 600, hasTouch: width < 600 });
      await page.goto(`${origin}/?lang=${lang}&date=2026-03-20&page=4${address}`, { waitUntil: "load" });
      await page.waitForSelector(".sun-section");
      await page.$eval(".sun-section > summary", (s) => s.click());
      await page.waitForSelector(".sun-outages");
      for (const [box, value] of [["obstacle-height", "12"], ["obstacle-distance", "30"], ["diameter", "x"]]) {
        await page.$eval(`#sun-${box}`, (e, v) => { e.value = v; e.dispatchEvent(new Event("change")); }, value);
      }
      const section = await page.$(".sun-section");
      await section.screenshot({ path: `${out}/sun-section-${name}-${lang}.png` });
      const cdp = await page.createCDPSession();
      await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type: "absolute-orientation" });
      await cdp.send("Emulation.setSensorOverrideReadings", { type: "absolute-orientation", reading: { quaternion: quaternion(190, 90) } });
      await page.$eval(".sky-aid > summary", (s) => s.click());
      await new Promise((r) => setTimeout(r, 400));
      await page.$eval(".sun-calibration button", (b) => b.click());
      await page.$eval(".compass-aid > summary", (s) => s.click());
      await cdp.send("Emulation.setSensorOverrideReadings", { type: "absolute-orientation", reading: { quaternion: quaternion(180, 0) } });
      await new Promise((r) => setTimeout(r, 400));
      await (await page.$(".sky-aid")).screenshot({ path: `${out}/sky-calibrated-${name}-${lang}.png` });
      await (await page.$(".compass-aid")).screenshot({ path: `${out}/compass-calibrated-${name}-${lang}.png` });
      await page.close();
    }
  }
  // The section's results after a change, CPU slowed 4x.
  const page = await browser.newPage();
  await page.emulateCPUThrottling(4);
  await page.goto(`${origin}/?lang=en&date=2026-03-20&page=4${address}`, { waitUntil: "load" });
  await page.$eval(".sun-section > summary", (s) => s.click());
  await page.waitForSelector(".sun-outages");
  const times = [];
  for (const value of ["0.8", "1.2", "0.6", "1.5", "0.9"]) {
    times.push(await page.$eval("#sun-diameter", (e, v) => {
      const start = performance.now();
      e.value = v;
      e.dispatchEvent(new Event("change"));
      return performance.now() - start;
    }, value));
  }
  console.log(`sun section after a change, CPU 4x slower: ${times.map((t) => t.toFixed(0)).join(", ")} ms`);
  await page.close();
} finally {
  await browser.close();
  await stopServer(server);
}
