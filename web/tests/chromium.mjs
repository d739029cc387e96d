// Debian's Chromium, headless, driven by puppeteer-core through the DevTools
// protocol, for the tests, the benchmarks and the README's pictures; and the
// site served on loopback.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { found, hasPackage } from "./harness.mjs";

export { openPage, serveSite, stopServer } from "./harness.mjs";

export function chromiumPath() {
  return found(process.env.CHROMIUM, "/usr/bin/chromium", "/usr/bin/chromium-browser");
}

export function missing() {
  if (!chromiumPath()) return "Chromium is not installed";
  if (!hasPackage("puppeteer-core")) return "npm ci has not run in web/";
  return undefined;
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
