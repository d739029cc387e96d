// The web app's first visit: what it downloads (gzip -9, every file the
// service worker keeps), how soon the first results show in Chromium with
// the CPU slowed 4x, and how long a slider move takes to its frame.
//   node bench/web/first_visit.mjs [SITE] [--runs N]
// Run from web/ or with web/node_modules on NODE_PATH; needs Chromium.
import { readdirSync, readFileSync, statSync } from "node:fs";
import { join, relative } from "node:path";
import { gzipSync } from "node:zlib";
import { fileURLToPath } from "node:url";

const here = fileURLToPath(new URL(".", import.meta.url));
const site = process.argv[2] && !process.argv[2].startsWith("--") ? process.argv[2] : join(here, "../../build/web/site");
const runsAt = process.argv.indexOf("--runs");
const runs = runsAt > 0 ? Number(process.argv[runsAt + 1]) : 7;
const kBudget = 400 * 1024;
const { launch, serveSite, stopServer } = await import(join(here, "../../web/tests/chromium.mjs"));

function filesIn(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? filesIn(path) : [path];
  });
}

function sizes() {
  const rows = filesIn(site).map((path) => {
    const bytes = readFileSync(path);
    return { file: relative(site, path), raw: bytes.length, gzip: gzipSync(bytes, { level: 9 }).length };
  });
  rows.sort((a, b) => b.gzip - a.gzip);
  // The worker keeps one catalogue only where the browser asks for another
  // language than English: the dearest one is counted.
  const catalogues = rows.filter((r) => r.file.startsWith("i18n/"));
  const kept = rows.filter((r) => !catalogues.includes(r)).concat(catalogues.slice(0, 1));
  const total = kept.reduce((sum, r) => sum + r.gzip, 0);
  for (const r of rows) console.log(`  ${r.file.padEnd(24)} ${String(r.raw).padStart(8)} ${String(r.gzip).padStart(8)}`);
  console.log(`first visit: ${total} bytes gzip -9 with one language's texts (${(total / 1024).toFixed(1)} KB of ${kBudget / 1024} KB)`);
  return total;
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

async function firstResults(browser, origin) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const cdp = await page.createCDPSession();
    await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
    await cdp.send("Network.setCacheDisabled", { cacheDisabled: true });
    await page.goto(`${origin}/?date=2026-01-01`, { waitUntil: "domcontentloaded" });
    await page.waitForFunction(() => document.getElementById("value-totnf")?.textContent !== "", { timeout: 30000 });
    // Marks count from the start of the navigation.
    const marks = await page.evaluate(() =>
      Object.fromEntries(performance.getEntriesByType("mark").map((m) => [m.name, m.startTime])),
    );
    times.push(marks["kestrion-results"]);
    if (i === 0) {
      const wasm = await page.evaluate(() => performance.getEntriesByName(new URL("kestrion.wasm", location.href).href)[0]?.responseEnd);
      console.log(`  first run: script ${marks["kestrion-script"].toFixed(0)} ms, kestrion.wasm loaded ${wasm?.toFixed(0)} ms, engine ready ${marks["kestrion-engine"].toFixed(0)} ms, results ${marks["kestrion-results"].toFixed(0)} ms`);
    }
    await context.close();
  }
  return times;
}

async function sliderFrames(browser, origin) {
  const page = await browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  await page.goto(`${origin}/?page=4`, { waitUntil: "load" });
  await page.waitForSelector("#range-HScroll17");
  const times = await page.evaluate(async () => {
    const range = document.getElementById("range-HScroll17");
    const out = [];
    for (let i = 0; i < 60; ++i) {
      const t0 = performance.now();
      range.value = String(-60 + (i % 120));
      range.dispatchEvent(new Event("input", { bubbles: true }));
      const handled = performance.now() - t0;
      await new Promise((r) => requestAnimationFrame(() => r()));
      out.push(handled);
    }
    return out;
  });
  await page.close();
  return times;
}

const total = sizes();
const browser = await launch();
const { server, origin } = await serveSite(site);
try {
  const first = await firstResults(browser, origin);
  console.log(`first results, CPU 4x slower: median ${median(first).toFixed(0)} ms (${first.map((t) => t.toFixed(0)).join(", ")})`);
  const moves = await sliderFrames(browser, origin);
  console.log(`slider move to the page updated, CPU 4x slower: median ${median(moves).toFixed(2)} ms, worst ${Math.max(...moves).toFixed(2)} ms (a frame is 16.7 ms)`);
} finally {
  await browser.close();
  await stopServer(server);
}
if (total > kBudget) process.exitCode = 1;
