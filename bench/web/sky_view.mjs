// The sky view's frame rate: the arc drawn over Chromium's fake camera
// while the phone turns (orientation readings streamed without pause),
// with the CPU slowed 4x. A frame is one redraw of the overlay.
//   node bench/web/sky_view.mjs [SITE] [--seconds N]
// Run from web/ or with web/node_modules on NODE_PATH; needs Chromium.
import { join } from "node:path";
import { fileURLToPath } from "node:url";

const here = fileURLToPath(new URL(".", import.meta.url));
const site = process.argv[2] && !process.argv[2].startsWith("--") ? process.argv[2] : join(here, "../../build/web/site");
const secondsAt = process.argv.indexOf("--seconds");
const seconds = secondsAt > 0 ? Number(process.argv[secondsAt + 1]) : 10;
const kTarget = 30;
const { launch, serveSite, stopServer } = await import(join(here, "../../web/tests/chromium.mjs"));

// Each clear of the overlay starts a frame.
const countFrames = `
  window.__frames = [];
  const clear = CanvasRenderingContext2D.prototype.clearRect;
  CanvasRenderingContext2D.prototype.clearRect = function (...args) {
    if (this.canvas.classList.contains("overlay")) window.__frames.push(performance.now());
    return clear.apply(this, args);
  };`;

function quaternion(alpha, beta) {
  const h = Math.PI / 360;
  const [ca, sa, cb, sb] = [Math.cos(alpha * h), Math.sin(alpha * h), Math.cos(beta * h), Math.sin(beta * h)];
  return { w: ca * cb, x: ca * sb, y: sa * sb, z: sa * cb };
}

const browser = await launch(["--use-fake-device-for-media-stream"]);
const { server, origin } = await serveSite(site);
try {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(countFrames);
  await page.setViewport({ width: 412, height: 915, isMobile: true, hasTouch: true, deviceScaleFactor: 2.625 });
  const cdp = await page.createCDPSession();
  const type = "absolute-orientation";
  await cdp.send("Emulation.setSensorOverrideEnabled", { enabled: true, type });
  const turnTo = (alpha) =>
    cdp.send("Emulation.setSensorOverrideReadings", { type, reading: { quaternion: quaternion(alpha, 95) } });
  await turnTo(180);
  const browserCdp = await browser.target().createCDPSession();
  await browserCdp.send("Browser.setPermission", { origin, permission: { name: "camera" }, setting: "granted" });
  const address = "?lang=en&date=2026-01-01&page=4&event=latitude:=52.52&event=longitude:=13.405&event=satellite:=Astra%2019.2E";
  await page.goto(`${origin}/${address}`, { waitUntil: "load" });
  await page.click(".sky-aid > summary");
  await page.click(".sky-aid .aid-buttons button");
  await page.waitForFunction(() => document.querySelector(".sky-aid video")?.readyState >= 2, { timeout: 20000 });
  await page.$eval(".sky-aid .camera", (e) => e.scrollIntoView());
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });

  await page.evaluate(() => (window.__frames = []));
  const end = Date.now() + seconds * 1000;
  let alpha = 180;
  let readings = 0;
  while (Date.now() < end) {
    alpha = (alpha + 0.7) % 360; // a slow sweep across the arc
    await turnTo(alpha);
    readings++;
  }
  const frames = await page.evaluate(() => window.__frames);
  const gaps = frames.slice(1).map((t, i) => t - frames[i]).sort((a, b) => a - b);
  const fps = (frames.length - 1) / ((frames.at(-1) - frames[0]) / 1000);
  const at = (q) => gaps[Math.min(gaps.length - 1, Math.floor(q * gaps.length))].toFixed(1);
  console.log(`sky view, CPU 4x slower: ${frames.length} frames from ${readings} readings in ${seconds} s`);
  console.log(`  ${fps.toFixed(1)} frames a second (target ${kTarget}); frame gap median ${at(0.5)} ms, 95th ${at(0.95)} ms`);
} finally {
  await browser.close();
  await stopServer(server);
}
