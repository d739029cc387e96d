// The README's pictures of the web app: the alignment page with a typed
// site in Berlin towards Astra 19.2E, at phone and at desktop size; and on
// the phone the compass aid and the sky view over the camera, with the
// phone's heading and camera played by Chromium.
//   node web/tools/screenshots.mjs OUT_DIR [LANG]     (from web/, after a build)
import { join } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, openPage, serveSite, stopServer } from "../tests/chromium.mjs";

const [out = "../docs", language = "en"] = process.argv.slice(2);
const site = fileURLToPath(new URL("../../build/web/site", import.meta.url));
const address =
  `?lang=${language}&date=2026-01-01&page=4&event=latitude:=52.52` +
  "&event=longitude:=13.405&event=satellite:=Astra%2019.2E";
const suffix = language === "en" ? "" : `-${language}`;

// A phone held upright, its camera 14° left of the satellite and a little
// below it: alpha about z, beta about x.
function quaternion(alpha, beta) {
  const h = Math.PI / 360;
  const [ca, sa, cb, sb] = [Math.cos(alpha * h), Math.sin(alpha * h), Math.cos(beta * h), Math.sin(beta * h)];
  return { w: ca * cb, x: ca * sb, y: sa * sb, z: sa * cb };
}

// Clicked where a user would see it: mid-screen, clear of the results
// pinned to the screen's bottom.
async function tap(page, selector) {
  await page.$eval(selector, (e) => e.scrollIntoView({ block: "center" }));
  await page.click(selector);
}

async function phoneAids(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 360, height: 800, isMobile: true, hasTouch: true, deviceScaleFactor: 1 });
  const cdp = await page.createCDPSession();
  const type = "absolute-orientation";
  await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type });
  await cdp.send("Emulation.setSensorOverrideReadings", { type, reading: { quaternion: quaternion(206, 112) } });
  const permissions = await browser.target().createCDPSession();
  await permissions.send("Browser.setPermission", { origin, permission: { name: "camera" }, setting: "granted" });
  await page.goto(`${origin}/${address}`, { waitUntil: "load" });
  await page.waitForSelector(".phone-aids");
  await tap(page, ".compass-aid > summary");
  await page.waitForFunction(() => /\d/.test(document.querySelector(".compass-aid .turn").textContent));
  await (await page.$(".compass-aid")).screenshot({ path: join(out, `screenshot-web-compass${suffix}.png`) });
  await tap(page, ".compass-aid > summary");
  await tap(page, ".sky-aid > summary");
  await tap(page, ".sky-aid .aid-buttons button");
  await page.waitForFunction(() => document.querySelector(".sky-aid video")?.readyState >= 2, { timeout: 20000 });
  await new Promise((done) => setTimeout(done, 500));
  await (await page.$(".sky-aid")).screenshot({ path: join(out, `screenshot-web-sky${suffix}.png`) });
  await page.close();
}

const browser = await launch(["--use-fake-device-for-media-stream"]);
const { server, origin } = await serveSite(site);
try {
  for (const [name, width] of [["phone", 360], ["desktop", 1280]]) {
    const page = await openPage(browser, `${origin}/${address}`);
    // A viewport as tall as the page, so the results pinned to a phone's
    // screen bottom stand where they belong.
    await page.setViewport({ width, height: 800 });
    const height = await page.evaluate(() => document.documentElement.scrollHeight);
    await page.setViewport({ width, height });
    await page.screenshot({ path: join(out, `screenshot-web-${name}${suffix}.png`) });
    await page.close();
  }
  await phoneAids(browser, origin);
} finally {
  await browser.close();
  await stopServer(server);
}
