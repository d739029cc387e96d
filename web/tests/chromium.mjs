// Debian's Chromium, headless, driven by puppeteer-core, for the tests, the
// benchmarks and the README's pictures; and the site served on loopback.
import { existsSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve } from "../tools/serve.mjs";

const kCandidates = [process.env.CHROMIUM, "/usr/bin/chromium", "/usr/bin/chromium-browser"];

export function chromiumPath() {
  return kCandidates.find((path) => path && existsSync(path));
}

// Without these, Chromium reaches for Google's servers at start, which a
// closed network refuses, and as root it needs --no-sandbox.
const kFlags = [
  "--no-sandbox",
  "--disable-gpu",
  "--disable-dev-shm-usage",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--disable-default-apps",
];

export async function launch(extraFlags = []) {
  const { default: puppeteer } = await import("puppeteer-core");
  const profile = mkdtempSync(join(tmpdir(), "kestrion-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath(),
    headless: true,
    args: [...kFlags, ...extraFlags],
    userDataDir: profile,
    protocolTimeout: 120000,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

export async function serveSite(site) {
  const server = await serve(site, 0);
  return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

export function stopServer(server) {
  return new Promise((done) => {
    server.close(() => done());
    server.closeAllConnections();
  });
}

// A page that fails the test on any script error it meets.
export async function openPage(browser, url, errors = []) {
  const page = await browser.newPage();
  page.on("pageerror", (e) => errors.push(e.message));
  page.on("console", (m) => {
    if (m.type() === "error") errors.push(m.text());
  });
  await page.goto(url, { waitUntil: "load" });
  await page.waitForSelector(".tabs [role=tab]", { timeout: 20000 });
  return page;
}
