// Debian's Firefox ESR, headless, driven by puppeteer-core through WebDriver
// BiDi: puppeteer's own pages, but for the media type, which only the
// DevTools protocol can switch.
import { emulateMedia, found, hasPackage } from "./harness.mjs";

export function firefoxPath() {
  return found(process.env.FIREFOX, "/usr/bin/firefox-esr", "/usr/bin/firefox");
}

export function missing() {
  if (!firefoxPath()) return "Firefox is not installed";
  if (!hasPackage("puppeteer-core")) return "npm ci has not run in web/";
  return undefined;
}

export async function launch() {
  const { default: puppeteer } = await import("puppeteer-core");
  // puppeteer makes the profile, with its automation settings, and removes it.
  const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: firefoxPath(),
    headless: true,
    protocolTimeout: 120000,
  });
  const newPage = browser.newPage.bind(browser);
  browser.newPage = async () => {
    const page = await newPage();
    page.emulateMediaType = (type) => page.evaluate(emulateMedia, type ?? null);
    return page;
  };
  return browser;
}
