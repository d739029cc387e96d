// WebKitGTK, the engine of Safari and of every browser on an iPhone: its
// MiniBrowser driven by WebKitWebDriver through W3C WebDriver
// (selenium-webdriver), on an X server of its own (Xvfb), which it needs
// even when nothing is shown. Its pages offer the operations harness.mjs
// lists, each made of WebDriver calls.
import { spawn } from "node:child_process";
import { writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { emulateMedia, found, hasPackage } from "./harness.mjs";

const driverPath = () => found(process.env.WEBKIT_WEBDRIVER, "/usr/bin/WebKitWebDriver");
const miniBrowserPath = () =>
  found(
    process.env.WEBKIT_MINIBROWSER,
    "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
    "/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser",
    "/usr/libexec/webkit2gtk-4.1/MiniBrowser",
  );
const xvfbPath = () => found("/usr/bin/Xvfb");

export function missing() {
  if (!driverPath() || !miniBrowserPath()) return "WebKitGTK's WebKitWebDriver and MiniBrowser are not installed (webkit2gtk-driver)";
  if (!xvfbPath()) return "Xvfb is not installed";
  if (!hasPackage("selenium-webdriver")) return "npm ci has not run in web/ (no selenium-webdriver)";
  return undefined;
}

// An X server on a display number it chooses itself, so that servers of
// tests running side by side never collide.
function startXvfb() {
  const xvfb = spawn(xvfbPath(), ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], {
    stdio: ["ignore", "ignore", "pipe", "pipe"],
  });
  let log = "";
  xvfb.stderr.on("data", (d) => (log += d));
  const display = new Promise((done, fail) => {
    xvfb.stdio[3].once("data", (d) => done(`:${String(d).trim()}`));
    xvfb.once("exit", () => fail(new Error(`Xvfb did not start: ${log.trim().split("\n").at(-1)}`)));
  });
  return { xvfb, display };
}

function freePort() {
  return new Promise((done, fail) => {
    const server = createServer().listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      server.close(() => done(port));
    });
    server.once("error", fail);
  });
}

async function driverReady(url, driver) {
  for (let i = 0; i < 200; ++i) {
    if (driver.exitCode !== null) throw new Error(`WebKitWebDriver ended with status ${driver.exitCode}`);
    const ready = await fetch(`${url}/status`).then((r) => r.ok, () => false);
    if (ready) return;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error("WebKitWebDriver did not answer");
}

// Puppeteer's names of keys, in WebDriver's.
const kKeyNames = { Backspace: "BACK_SPACE", " ": "SPACE" };

function keyCode(Key, name) {
  if (name.length === 1) return name;
  const code = Key[kKeyNames[name] ?? name.replace(/(?<=[a-z])(?=[A-Z0-9])/g, "_").toUpperCase()];
  if (!code) throw new Error(`no WebDriver key for ${name}`);
  return code;
}

// The page's script errors, gathered from its load on (WebDriver has no way
// in before the page's own scripts): uncaught, unhandled, console.error.
function gatherErrors() {
  if (window.kestrionErrors) return;
  const errors = (window.kestrionErrors = []);
  window.addEventListener("error", (e) => errors.push({ kind: "pageerror", text: e.message }));
  window.addEventListener("unhandledrejection", (e) => errors.push({ kind: "pageerror", text: String(e.reason) }));
  const error = console.error.bind(console);
  console.error = (...args) => {
    errors.push({ kind: "console", text: args.map(String).join(" ") });
    error(...args);
  };
}

// The function (or script) given, run with its arguments; the value, or the
// message of what it threw, with the errors gathered since the last call.
const kRun = `
const done = arguments[arguments.length - 1];
const [source, args, isFunction] = arguments;
(${gatherErrors})();
const errors = () => window.kestrionErrors.splice(0);
new Promise((r) => r(isFunction ? (0, eval)(source)(...args) : (0, eval)(source)))
  .then((value) => done({ value: value === undefined ? null : value, errors: errors() }),
        (e) => done({ thrown: String((e && e.message) || e), errors: errors() }));`;

// An element found by $, with what the cases do to one.
class WebKitElement {
  #element;

  constructor(element) {
    this.#element = element;
  }

  // WebDriver chooses a file input's files from the paths typed into it.
  uploadFile(...paths) {
    return this.#element.sendKeys(paths.join("\n"));
  }
}

class WebKitPage {
  #browser;
  #handle;
  #listeners = { pageerror: [], console: [] };

  constructor(browser, handle) {
    this.#browser = browser;
    this.#handle = handle;
    this.keyboard = {
      press: (key) => this.#keys(keyCode(this.#browser.Key, key)),
      type: (text) => this.#keys(text),
    };
  }

  on(kind, listener) {
    this.#listeners[kind]?.push(listener);
  }

  async #use() {
    await this.#browser.use(this.#handle);
    return this.#browser.driver;
  }

  async #run(source, args, isFunction) {
    const driver = await this.#use();
    const { value, thrown, errors } = await driver.executeAsyncScript(kRun, source, args, isFunction);
    for (const { kind, text } of errors ?? []) {
      const event = kind === "pageerror" ? { message: text } : { type: () => "error", text: () => text };
      for (const listener of this.#listeners[kind]) listener(event);
    }
    if (thrown !== undefined) throw new Error(thrown);
    return value;
  }

  evaluate(fn, ...args) {
    return typeof fn === "string" ? this.#run(fn, [], false) : this.#run(`(${fn})`, args, true);
  }

  $eval(selector, fn, ...args) {
    return this.evaluate(
      (s, f, a) => {
        const e = document.querySelector(s);
        if (!e) throw new Error(`no element matches ${s}`);
        return (0, eval)(f)(e, ...a);
      },
      selector,
      `(${fn})`,
      args,
    );
  }

  $$eval(selector, fn, ...args) {
    return this.evaluate((s, f, a) => (0, eval)(f)([...document.querySelectorAll(s)], ...a), selector, `(${fn})`, args);
  }

  async $(selector) {
    const [element] = await (await this.#use()).findElements(this.#browser.By.css(selector));
    return element ? new WebKitElement(element) : null;
  }

  async goto(url) {
    await (await this.#use()).get(url);
    await this.evaluate(() => {}); // gathers errors from here on
  }

  async reload() {
    await (await this.#use()).navigate().refresh();
    await this.evaluate(() => {});
  }

  async #element(selector) {
    const driver = await this.#use();
    return driver.findElement(this.#browser.By.css(selector));
  }

  async click(selector) {
    await (await this.#element(selector)).click();
  }

  async type(selector, text) {
    await this.focus(selector);
    await this.#keys(text);
  }

  async #keys(text) {
    const driver = await this.#use();
    await driver.actions().sendKeys(text).perform();
  }

  focus(selector) {
    return this.$eval(selector, (e) => e.focus());
  }

  // As puppeteer does: the options chosen, then input and change.
  select(selector, ...values) {
    return this.$eval(
      selector,
      (e, wanted) => {
        for (const option of e.options) option.selected = wanted.includes(option.value);
        e.dispatchEvent(new Event("input", { bubbles: true }));
        e.dispatchEvent(new Event("change", { bubbles: true }));
        return [...e.selectedOptions].map((o) => o.value);
      },
      values,
    );
  }

  async waitForFunction(fn, { timeout = 30000 } = {}, ...args) {
    const waited = await this.evaluate(
      async (f, a, limit) => {
        const test = (0, eval)(f);
        const end = Date.now() + limit;
        for (;;) {
          const value = await test(...a);
          if (value) return { value };
          if (Date.now() > end) return { timedOut: true };
          await new Promise((r) => setTimeout(r, 50));
        }
      },
      `(${fn})`,
      args,
      timeout,
    );
    if (waited.timedOut) throw new Error(`waiting for ${fn} failed: ${timeout} ms exceeded`);
    return waited.value;
  }

  waitForSelector(selector, { timeout = 30000 } = {}) {
    return this.waitForFunction((s) => document.querySelector(s) !== null, { timeout }, selector);
  }

  emulateMediaType(type) {
    return this.evaluate(emulateMedia, type ?? null);
  }

  // The browser's inner size: the first tab runs full-screen, without
  // MiniBrowser's toolbar, so that its window is the page's viewport.
  async setViewport({ width, height }) {
    await (await this.#use()).manage().window().setRect({ width, height });
  }

  async bringToFront() {
    await this.#use();
  }

  async screenshot({ path } = {}) {
    const png = Buffer.from(await (await this.#use()).takeScreenshot(), "base64");
    if (path) writeFileSync(path, png);
    return png;
  }

  async close() {
    await this.#browser.closePage(this.#handle);
  }
}

class WebKitBrowser {
  #first;
  #firstFree = true;
  #current;

  constructor(driver, selenium, stop) {
    this.driver = driver;
    this.By = selenium.By;
    this.Key = selenium.Key;
    this.stop = stop;
  }

  async start() {
    this.#first = this.#current = await this.driver.getWindowHandle();
    await this.driver.manage().setTimeouts({ script: 120000 });
    // puppeteer's pages' size, for the same layout in every browser.
    await this.driver.manage().window().setRect({ x: 0, y: 0, width: 800, height: 600 });
  }

  async use(handle) {
    if (handle === this.#current) return;
    await this.driver.switchTo().window(handle);
    this.#current = handle;
  }

  // The first tab serves one page after another; a page opened beside it
  // gets a tab of its own.
  async newPage() {
    if (this.#firstFree) {
      this.#firstFree = false;
      await this.use(this.#first);
      return new WebKitPage(this, this.#first);
    }
    await this.driver.switchTo().newWindow("tab");
    this.#current = await this.driver.getWindowHandle();
    return new WebKitPage(this, this.#current);
  }

  async closePage(handle) {
    await this.use(handle);
    if (handle === this.#first) {
      await this.driver.get("about:blank");
      this.#firstFree = true;
      return;
    }
    await this.driver.close();
    this.#current = undefined;
    await this.use(this.#first);
  }

  async close() {
    try {
      await this.driver.quit();
    } finally {
      await this.stop();
    }
  }
}

export async function launch() {
  const selenium = await import("selenium-webdriver");
  const { xvfb, display } = startXvfb();
  const ended = (child) => new Promise((done) => (child.exitCode !== null ? done() : child.once("exit", done)));
  let driver;
  const running = () => [driver, xvfb].filter((child) => child && child.exitCode === null);
  // Not left behind by a test process that ends without closing the browser.
  const orphans = () => running().forEach((child) => child.kill());
  process.once("exit", orphans);
  const stop = async () => {
    process.off("exit", orphans);
    for (const child of running()) {
      child.kill();
      await ended(child);
    }
  };
  try {
    const env = { ...process.env, DISPLAY: await display };
    const port = await freePort();
    driver = spawn(driverPath(), [`--port=${port}`], { env, stdio: "ignore" });
    const url = `http://127.0.0.1:${port}`;
    await driverReady(url, driver);
    const session = await new selenium.Builder()
      .usingServer(url)
      .withCapabilities({
        browserName: "MiniBrowser",
        "webkitgtk:browserOptions": { binary: miniBrowserPath(), args: ["--automation", "--full-screen"] },
      })
      .build();
    const browser = new WebKitBrowser(session, selenium, stop);
    await browser.start();
    return browser;
  } catch (e) {
    await stop();
    throw e;
  }
}
