// The page's start: load the engine and the user's language, apply what the
// address asks for, build the calculator, and offer the engine to scripts as
// globalThis.kestrion.
import { Engine, EngineError, Status, type TraceOptions } from "./engine.js";
import { App } from "./app/app";
import { eventWords, pageWords } from "./app/address";
import { Catalogue, format, languages, loadCatalogue, preferredLanguage, rememberLanguage } from "./app/i18n";
import { keepLanguageOffline, registerServiceWorker } from "./app/offline";

export { Engine, EngineError };

function storage(): Storage | undefined {
  try {
    const s = window.localStorage;
    s.getItem("kestrion.language");
    return s;
  } catch {
    return undefined; // storage switched off: nothing is kept between visits
  }
}

// What the address sets: ?lang=de&date=2026-01-01&offset=22.5&event=HScroll17=50
function applyAddress(engine: Engine, params: URLSearchParams, catalogue: Catalogue): string[] {
  const describe = engine.describe();
  const angleProblem = engine.angleProblem.bind(engine);
  const problems: string[] = [];
  const refuse = (what: string, why: string) =>
    problems.push(format(catalogue.web("badParameter"), what, why));
  const date = params.get("date");
  if (date !== null) {
    const r = engine.setDate(date);
    if (r.status !== Status.ok) refuse("date", r.message);
  }
  const offset = params.get("offset");
  if (offset !== null) {
    const r = engine.setOffsetAngle(offset);
    if (r.status !== Status.ok) refuse("offset", r.message);
  }
  for (const event of params.getAll("event")) {
    const r = engine.run(event);
    if (r.status === Status.refused) refuse("event", eventWords(event, describe, catalogue, angleProblem) ?? r.message);
    else if (r.status !== Status.ok) refuse("event", r.message);
  }
  return problems;
}

async function start(): Promise<void> {
  // Marks for the first-visit benchmark (bench/web/first_visit.mjs).
  performance.mark("kestrion-script");
  const status = document.getElementById("status")!;
  const params = new URLSearchParams(location.search);
  let language = preferredLanguage(params.get("lang"));
  // Offline, a language never used on this device falls back to English,
  // and says so once the page stands.
  const wanted = language;
  let catalogue = await loadCatalogue(language).catch(() => Catalogue.english());
  if (catalogue.code !== language) language = "en";
  let engine: Engine;
  try {
    engine = await Engine.load(new URL("kestrion.wasm", document.baseURI));
  } catch (e) {
    status.textContent = format(catalogue.web("noEngine"), String(e));
    status.classList.add("problem");
    return;
  }
  performance.mark("kestrion-engine");
  const kestrion = {
    Engine,
    EngineError,
    version: engine.describe().version,
    trace: (events: readonly string[], options?: TraceOptions) => engine.trace(events, options),
    describe: () => engine.describe(),
    satellites: () => engine.satellites(),
  };
  (globalThis as unknown as { kestrion: typeof kestrion }).kestrion = kestrion;
  engine.setTranslations(catalogue.raw);
  const problems = applyAddress(engine, params, catalogue);
  if (params.has("lang") && !params.get("lang")?.match(/^[a-z]{2}/i)) {
    problems.push(format(catalogue.web("badParameter"), "lang", params.get("lang") ?? ""));
  }
  const describe = engine.describe();
  const mount = () => {
    const app = new App(engine, describe, catalogue, {
      language,
      storage: storage(),
      onLanguage: (code) => void switchLanguage(code),
    });
    document.documentElement.lang = language;
    document.title = describe.title;
    document.getElementById("app")!.replaceChildren(app.root);
    return app;
  };
  const notHere = (code: string) =>
    format(catalogue.web("languageOffline"), languages.find((l) => l.code === code)?.name ?? code);
  const switchLanguage = async (code: string) => {
    try {
      catalogue = await loadCatalogue(code);
    } catch (e) {
      app.say(e instanceof TypeError || !navigator.onLine ? notHere(code) : String(e), true);
      return;
    }
    language = code;
    rememberLanguage(code);
    keepLanguageOffline(code);
    engine.setTranslations(catalogue.raw);
    const page = app.currentPage;
    app.dispose();
    app = mount();
    app.show(page, false);
  };
  let app = mount();
  status.remove();
  performance.mark("kestrion-results");
  // ?page=4 opens a page, as a link to the alignment page may ask.
  const page = params.get("page");
  if (page !== null) {
    const n = Number(page);
    if (Number.isInteger(n) && n >= 0 && n < describe.pages.length) app.show(n, false);
    else problems.push(format(catalogue.web("badParameter"), "page", pageWords(page, describe, catalogue)));
  }
  for (const p of problems) app.say(p, true);
  registerServiceWorker((text, action) => app.say(text, false, action), catalogue);
  keepLanguageOffline(language);
  if (language !== wanted) app.say(notHere(wanted), true);
}

void start();
