// The browser the web app's tests run in, chosen by KESTRION_BROWSER:
// chromium (the default), firefox or webkit. Each adapter gives pages with
// the same few operations, as puppeteer names them: goto, reload, close,
// evaluate, $, $eval, $$eval, click, type, focus, select, keyboard.press and
// keyboard.type, waitForSelector, waitForFunction, setViewport,
// emulateMediaType, bringToFront and screenshot; and pages report script
// errors through on("pageerror") and on("console"). Chromium's and Firefox's
// pages are puppeteer's own (DevTools protocol, WebDriver BiDi); WebKitGTK's
// are made of W3C WebDriver calls (webkit.mjs), and of what $ finds, they
// give uploadFile. A browser's localStorage and service workers last from
// launch to close, across its pages.
//
// To add a case for every browser, write it once in browser.test.mjs (or
// a11y.test.mjs) with these operations: ctest runs each file in each
// browser. A case that needs Chromium's DevTools protocol (sensors, the
// camera, the accessibility tree, Lighthouse) passes `devtoolsOnly` as its
// options; aids.test.mjs runs in Chromium only. A new file of cases goes
// into the browsers' lists of suites in tests/web/CMakeLists.txt.
//
//   node web/tests/harness.mjs     prints why the chosen browser cannot run
//                                  here and exits 77, or exits 0
import { existsSync } from "node:fs";
import { createRequire } from "node:module";
import { serve } from "../tools/serve.mjs";

export const browserName = process.env.KESTRION_BROWSER ?? "chromium";

const kAdapters = ["chromium", "firefox", "webkit"];

async function adapter() {
  if (!kAdapters.includes(browserName)) throw new Error(`KESTRION_BROWSER=${browserName}: not one of ${kAdapters.join(", ")}`);
  return import(`./${browserName}.mjs`);
}

// One browser for a whole test file: starting one takes seconds.
export async function launch(extraFlags = []) {
  return (await adapter()).launch(extraFlags);
}

export const devtoolsOnly = { skip: browserName !== "chromium" && "it needs Chromium's DevTools protocol" };

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
// A viewport given is set before the page loads: Firefox reloads a page
// whose viewport turns mobile, and a click then finds no element.
export async function openPage(browser, url, errors = [], viewport = null) {
  const page = await browser.newPage();
  if (viewport) await page.setViewport(viewport);
  page.on("pageerror", (e) => errors.push(e.message));
  page.on("console", (m) => {
    if (m.type() === "error") errors.push(m.text());
  });
  await page.goto(url, { waitUntil: "load" });
  await page.waitForSelector(".tabs [role=tab]", { timeout: 20000 });
  return page;
}

// The print stylesheet put in force by hand where the protocol cannot
// switch the media type: each @media query naming print holds for "print"
// and no other type, one naming screen the other way round. Runs in the page.
export function emulateMedia(type) {
  const holds = (query) => {
    const print = /\bprint\b/.test(query);
    if (!print && !/\bscreen\b/.test(query)) return query;
    return print === (type === "print") ? query.replace(/\b(print|screen)\b/, "all") : "not all";
  };
  for (const sheet of document.styleSheets) {
    for (const rule of sheet.cssRules) {
      if (!(rule instanceof CSSMediaRule)) continue;
      rule.media.mediaText = (rule.kestrionMedia ??= rule.media.mediaText).split(",").map(holds).join(",");
    }
  }
}

// Why the chosen browser cannot run here, or undefined.
export async function missing() {
  try {
    return (await adapter()).missing();
  } catch (e) {
    return e.message;
  }
}

// The first of the paths that exists.
export function found(...paths) {
  return paths.find((path) => path && existsSync(path));
}

export function hasPackage(name) {
  try {
    createRequire(import.meta.url).resolve(name);
    return true;
  } catch {
    return false;
  }
}

// Not awaited at the top: the adapter imported here imports this module.
if (import.meta.url === `file://${process.argv[1]}`) {
  void missing().then((reason) => {
    if (!reason) return;
    const required = process.env.KESTRION_REQUIRE_BROWSERS;
    console.log(`web ${browserName}: ${required ? "FAILED" : "skipped"}: ${reason}`);
    process.exit(required ? 1 : 77);
  });
}
