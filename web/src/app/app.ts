// The calculator's page: the tab strip, the six pages, the tools (Copy,
// job sheet, sites, language) and the messages, over one engine.
import type { EngineApi, Outcome } from "./engine-api";
import { Status } from "../generated/kestrion_api";
import type { Aids, Describe, InputDesc, State } from "./model";
import { format, languages, type Catalogue } from "./i18n";
import { decimalPoint, idFor, make, setText } from "./dom";
import { AngleEditor, type AngleInput } from "./entry";
import { Page, tabAndPanel } from "./page";
import { RainSection } from "./rain-fade";
import { sheetView } from "./sheet";
import { SiteStore, type Site } from "./sites";
import { artworkUrl } from "./pictures";
import { actionButton } from "./offline";
import { PhoneAids } from "../aids/aids";
import { sunSection, type LazySection } from "./sun-opener";
import { MotorSectionLoader } from "./motor-lazy";

export interface AppOptions {
  language: string;
  onLanguage(code: string): void;
  storage: Storage | undefined;
}

const kOffsetKey = "kestrion.offsetAngle";
// A listener hears the results once the slider rests this long.
const kSpeakAfterMs = 700;
const kMenus = "kestrion::ui::JobMenus";

export class App {
  readonly root: HTMLElement;
  // Built when first shown, so the first results come sooner.
  private readonly pages: (Page | undefined)[] = [];
  private readonly tabList: HTMLButtonElement[] = [];
  private readonly panels: HTMLElement[] = [];
  private readonly tabs: HTMLElement;
  private readonly live: HTMLElement;
  private readonly messages: HTMLElement;
  private readonly sites: SiteStore | undefined;
  private current = 0;
  private state: State;
  private aids: Aids | undefined;
  private siteName = "";
  private mismatchedName = "";
  private speakTimer = 0;
  private lastSpoken = "";
  private editor: { editor: AngleEditor; box: HTMLElement } | undefined;
  private sheet: HTMLElement | undefined;
  private rain: RainSection | undefined;
  private phoneAids: PhoneAids | undefined;
  private sun: LazySection | undefined;
  private motor: MotorSectionLoader | undefined;

  constructor(
    private readonly engine: EngineApi,
    private readonly describe: Describe,
    private readonly catalogue: Catalogue,
    private readonly options: AppOptions,
  ) {
    this.sites = options.storage ? new SiteStore(engine, options.storage) : undefined;
    this.restoreOffsetAngle();
    this.state = engine.state();
    this.tabs = make("div", {
      role: "tablist",
      class: "tabs",
      "aria-label": catalogue.tr("kestrion::ui::TabControl", "Pages"),
    });
    this.live = make("div", { id: "spoken", class: "visually-hidden", "aria-live": "polite", "aria-atomic": "true" });
    this.messages = make("div", { class: "messages", role: "status" });
    const main = make("main", { class: "calculator" }, this.tabs);
    for (let i = 0; i < describe.pages.length; ++i) {
      const { tab, panel } = tabAndPanel(i, catalogue.tr("Caption", describe.pages[i].caption));
      this.pages.push(undefined);
      this.tabList.push(tab);
      this.panels.push(panel);
      this.tabs.append(tab);
      main.append(panel);
      tab.addEventListener("click", () => this.show(i, false));
    }
    this.tabs.addEventListener("keydown", (e) => this.tabKey(e));
    this.root = make("div", { class: "app" }, this.header(), this.messages, main, this.footer(), this.live);
    this.show(0, false);
    if (this.sites) window.addEventListener("storage", (e) => this.storageChanged(e));
  }

  private hooks() {
    return {
      run: (event: string) => this.run(event),
      edit: (input: InputDesc, box: HTMLElement) => this.edit(input, box),
      typed: (input: InputDesc) => this.typedEntry(input),
      setOffsetAngle: (degrees: string) => this.setOffsetAngle(degrees),
      mismatchedName: () => this.mismatchedName,
      offsetAngle: () => String(this.state?.pointing.offsetAngle ?? this.engine.state().pointing.offsetAngle),
    };
  }

  private typedEntry(input: InputDesc): AngleInput | undefined {
    const entries = Object.entries(this.describe.typedEntries) as [AngleInput, string][];
    return entries.find(([, name]) => name === input.name)?.[0];
  }

  private tr(context: string, source: string): string {
    return this.catalogue.tr(context, source);
  }

  private header(): HTMLElement {
    const logo = this.describe.window.find((c) => c.kind === "picture");
    const title = make("h1", { class: "title" });
    if (logo?.artwork) {
      title.append(make("img", { src: artworkUrl(logo.artwork), alt: this.describe.title, width: "180", height: "38" }));
    } else {
      title.textContent = this.describe.title;
    }
    const language = make("select", { id: "language" });
    for (const l of languages) {
      const option = make("option", { value: l.code, lang: l.code }, l.name);
      option.selected = l.code === this.options.language;
      language.append(option);
    }
    language.addEventListener("change", () => this.options.onLanguage(language.value));
    const tools = make(
      "div",
      { class: "tools" },
      this.button(this.catalogue.plain(kMenus, "&Copy"), () => void this.copy()),
      this.button(this.catalogue.web("print"), () => this.openSheet()),
      ...(this.sites ? [this.button(this.catalogue.plain(kMenus, "&Sites"), () => this.openSites())] : []),
      this.button(this.tr("kestrion::ui::MainWindow", "About"), () => this.openAbout()),
    );
    const chooser = make(
      "div",
      { class: "language" },
      make("label", { for: "language", class: "visually-hidden" }, this.catalogue.web("language")),
      language,
    );
    return make("header", { class: "app-header" }, title, tools, chooser);
  }

  private footer(): HTMLElement {
    const visit = this.describe.window.find((c) => c.kind === "label" && c.caption);
    return make(
      "footer",
      { class: "app-footer" },
      make("span", {}, this.tr("Caption", visit?.caption ?? "")),
      " ",
      make("a", { href: this.describe.homePage, rel: "noopener" }, this.describe.homePage),
      " ",
      make("span", { class: "version" }, `${this.describe.title} · ${this.describe.version}`),
    );
  }

  private button(text: string, action: () => void): HTMLButtonElement {
    const b = make("button", { type: "button", class: "button" }, text);
    b.addEventListener("click", action);
    return b;
  }

  // Arrow keys, Home and End walk the tab strip, as in the window.
  private tabKey(e: KeyboardEvent): void {
    const last = this.pages.length - 1;
    const next =
      e.key === "ArrowRight" ? (this.current + 1) % (last + 1)
      : e.key === "ArrowLeft" ? (this.current + last) % (last + 1)
      : e.key === "Home" ? 0
      : e.key === "End" ? last
      : -1;
    if (next >= 0) {
      e.preventDefault();
      this.show(next, true);
    }
  }

  // The shown page follows each change; the others catch up when shown.
  show(index: number, focus: boolean): void {
    this.page(index);
    this.tabList.forEach((tab, i) => {
      const shown = i === index;
      this.panels[i].hidden = !shown;
      tab.setAttribute("aria-selected", String(shown));
      tab.tabIndex = shown ? 0 : -1;
    });
    this.current = index;
    this.refresh();
    this.phoneAids?.setShown(index === this.describe.alignmentPage);
    if (focus) this.tabList[index].focus();
  }

  private page(index: number): Page {
    let page = this.pages[index];
    if (!page) {
      page = new Page(index, this.describe, this.catalogue, this.hooks(), this.panels[index], this.state);
      this.pages[index] = page;
      // The page with the rain options offers the ITU-R rain availability.
      if (this.panels[index].querySelector("fieldset.rain")) {
        this.rain = new RainSection(this.describe.rainFade, this.catalogue, {
          run: (event) => this.run(event),
          set: (event, fileName) => this.setRain(event, fileName),
          putFile: (name, bytes) => this.engine.putFile(name, bytes),
          report: () => this.engine.report(this.siteName),
          state: () => this.state,
          focusInput: (value) => {
            const input = this.describe.inputs.find((i) => i.value === value);
            const control = input && document.getElementById(idFor("range", input.name));
            control?.scrollIntoView({ block: "center" });
            control?.focus();
          },
          storage: this.options.storage,
        });
        this.panels[index].append(this.rain.element);
      }
      if (index === this.describe.alignmentPage) {
        this.sun = sunSection(this.describe, this.catalogue, {
          setOption: (name, value) => this.engine.setSunOption(name, value),
          setDate: (date) => this.setDate(date),
          date: () => this.state.pointing.date,
          sun: () => this.engine.sun(),
        });
        this.panels[index].append(this.sun.element);
        this.motor = new MotorSectionLoader(this.catalogue, {
          engine: this.engine,
          choose: (name) => void this.enter("satellite", name),
          changed: () => this.refresh(),
          satelliteName: () => this.aids?.satelliteName ?? this.engine.aids().satelliteName,
        });
        this.panels[index].append(this.motor.element);
        this.phoneAids = new PhoneAids(this.describe, this.catalogue, {
          enter: (input, text) => this.enter(input, text),
          arc: () => this.engine.arc(),
          sunAt: (ms) => this.engine.sunAt(ms),
          sunPath: (ms, hours, step) => this.engine.sunPath(ms, hours, step),
          storage: this.options.storage,
        });
        this.panels[index].append(this.phoneAids.element);
      }
    }
    return page;
  }

  get currentPage(): number {
    return this.current;
  }

  run(event: string): boolean {
    this.mismatchedName = "";
    return this.after(this.engine.run(event));
  }

  // A rain fade input, whose refusal the section shows beside it.
  setRain(event: string, fileName?: string): Outcome {
    this.mismatchedName = "";
    const outcome = this.engine.setRainInput(event, fileName);
    if (outcome.status !== Status.refused) {
      this.refresh();
      this.speakSoon();
    }
    return outcome;
  }

  // The job's date, which the aids and the sun take.
  private setDate(date: string): Outcome {
    const outcome = this.engine.setDate(date);
    if (outcome.status === Status.ok) this.refresh();
    return outcome;
  }

  // A typed value, read as the window's editor reads it.
  enter(input: AngleInput, text: string): boolean {
    this.mismatchedName = "";
    return this.after(this.engine.enter(input, text));
  }

  private after(outcome: Outcome): boolean {
    if (outcome.status === Status.refused) {
      this.say(outcome.message, true);
      return false;
    }
    if (outcome.status === Status.fault) {
      this.say(format(this.catalogue.web("fault"), outcome.message), true);
    }
    this.refresh();
    this.speakSoon();
    return outcome.status === Status.ok;
  }

  // Shows the shown page as the engine has it now.
  refresh(): void {
    this.state = this.engine.state();
    const page = this.page(this.current);
    this.aids = page.needsAids ? this.engine.aids() : undefined;
    page.update(this.state, this.aids);
    if (this.panels[this.current].contains(this.rain?.element ?? null)) this.rain?.update();
    if (this.current === this.describe.alignmentPage && this.aids) this.phoneAids?.update(this.state, this.aids);
    if (this.current === this.describe.alignmentPage) this.sun?.update();
    if (this.current === this.describe.alignmentPage) this.motor?.update();
  }

  // Before the page is replaced (another language): the aids' sensors and
  // camera stop.
  dispose(): void {
    this.phoneAids?.dispose();
  }

  private speakSoon(): void {
    window.clearTimeout(this.speakTimer);
    this.speakTimer = window.setTimeout(() => this.speak(), kSpeakAfterMs);
  }

  private speak(): void {
    const text = this.page(this.current).spoken(this.engine.report(this.siteName)).join(". ");
    if (text !== this.lastSpoken) {
      this.lastSpoken = text;
      setText(this.live, text);
    }
  }

  // A message above the pages; a problem stays until closed, and the
  // latest few are kept.
  say(text: string, problem = false, action?: { label: string; run: () => void }): void {
    const line = make("p", { class: problem ? "message problem" : "message" }, text);
    if (action) line.append(" ", actionButton(action.label, action.run));
    const close = make("button", { type: "button", class: "close", "aria-label": this.catalogue.web("dismiss") }, "×");
    close.addEventListener("click", () => line.remove());
    line.append(close);
    this.messages.append(line);
    while (this.messages.childElementCount > 3) this.messages.firstElementChild?.remove();
  }

  private edit(input: InputDesc, box: HTMLElement): void {
    const kind = this.typedEntry(input);
    if (!kind || this.editor) return;
    const page = this.page(this.current);
    const moved = () => this.editor !== undefined && !this.editor.editor.element.contains(document.activeElement);
    const editor = new AngleEditor(
      kind,
      this.engine,
      this.catalogue,
      (kind, text) => {
        const away = moved();
        this.finishEditing();
        page.setProblem(input, "");
        this.enter(kind, text);
        if (!away) page.focusValue(input);
      },
      () => {
        const away = moved();
        this.finishEditing();
        if (!away) page.focusValue(input);
      },
      (problem) => {
        this.finishEditing();
        page.setProblem(input, format(this.catalogue.web("notTaken"), problem));
      },
    );
    this.editor = { editor, box };
    this.root.classList.add("editing");
    box.hidden = true;
    box.after(editor.element);
    editor.open(box.textContent ?? "");
  }

  private finishEditing(): void {
    if (!this.editor) return;
    const { editor, box } = this.editor;
    this.editor = undefined;
    this.root.classList.remove("editing");
    editor.element.remove();
    box.hidden = false;
  }

  private restoreOffsetAngle(): void {
    const stored = this.read(kOffsetKey);
    if (stored !== null && this.engine.setOffsetAngle(stored).status !== Status.ok) {
      this.engine.setOffsetAngle("0");
    }
  }

  // Its refusal, or "" when taken.
  private setOffsetAngle(degrees: string): string {
    const outcome = this.engine.setOffsetAngle(decimalPoint(degrees));
    if (outcome.status !== Status.ok) return outcome.message;
    this.write(kOffsetKey, String(this.engine.state().pointing.offsetAngle));
    this.refresh();
    this.speakSoon();
    return "";
  }

  private read(key: string): string | null {
    try {
      return this.options.storage?.getItem(key) ?? null;
    } catch {
      return null;
    }
  }

  private write(key: string, value: string): void {
    try {
      this.options.storage?.setItem(key, value);
    } catch {
      // The setting lasts for this visit only.
    }
  }

  async copy(): Promise<void> {
    const text = this.engine.report(this.siteName).pages[this.current].copy;
    try {
      await navigator.clipboard.writeText(text);
      this.say(this.catalogue.web("copied"));
    } catch (e) {
      this.say(format(this.catalogue.web("copyFailed"), String(e)), true);
    }
  }

  openSheet(): void {
    const alignment = this.page(this.describe.alignmentPage);
    alignment.update(this.engine.state(), this.engine.aids());
    const report = this.engine.report(this.siteName);
    const footer = format(this.catalogue.web("sheetFooter"), this.describe.version);
    const view = sheetView(report, alignment.pictureSnapshot(), footer);
    const back = this.button(this.catalogue.web("closeSheet"), () => this.closeSheet());
    const print = this.button(this.catalogue.web("printNow"), () => window.print());
    this.sheet = make("div", { class: "sheet-view", role: "dialog", "aria-label": report.sheet.title },
      make("div", { class: "sheet-tools" }, print, back), view);
    document.body.append(this.sheet);
    document.body.classList.add("printing");
    this.sheet.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.closeSheet();
    });
    print.focus();
  }

  closeSheet(): void {
    this.sheet?.remove();
    this.sheet = undefined;
    document.body.classList.remove("printing");
    this.refresh();
  }

  // As the window's About: the logo, the notice, the maker's address.
  private openAbout(): void {
    const about = "kestrion::desktop::AboutWindow";
    const logo = this.describe.window.find((c) => c.kind === "picture");
    const close = this.button(this.tr(about, "Close"), () => dialog.close());
    const dialog = make(
      "dialog",
      { class: "about-dialog", "aria-labelledby": "about-title" },
      make("h2", { id: "about-title" }, this.tr(about, "About Kestrion")),
      make("img", { src: artworkUrl(logo?.artwork ?? ""), alt: this.describe.title, width: "250", height: "53" }),
      make("p", {}, this.tr(about, this.describe.aboutNotice)),
      make("p", {}, make("a", { href: this.describe.homePage, rel: "noopener" }, this.describe.homePage)),
      make("p", { class: "version" }, `${this.describe.title} · ${this.describe.version}`),
      close,
    );
    document.body.append(dialog);
    dialog.addEventListener("close", () => dialog.remove());
    dialog.showModal();
    close.focus();
  }

  // The sites dialog: choose, rename, delete, and save the site shown.
  private openSites(): void {
    const dialog = make("dialog", { class: "sites-dialog", "aria-labelledby": "sites-title" });
    dialog.append(make("h2", { id: "sites-title" }, this.catalogue.plain(kMenus, "Saved sites")));
    dialog.append(this.sitesBody(dialog));
    document.body.append(dialog);
    dialog.addEventListener("close", () => dialog.remove());
    dialog.showModal();
  }

  private sitesBody(dialog: HTMLDialogElement): HTMLElement {
    const body = make("div", { class: "sites-body" });
    const fill = () => body.replaceChildren(...this.sitesContent(dialog, fill));
    fill();
    dialog.addEventListener("sites-changed", fill);
    return body;
  }

  private sitesContent(dialog: HTMLDialogElement, refill: () => void): Node[] {
    const store = this.sites!;
    const { sites, problems } = store.list(this.catalogue);
    const nameField = make("input", { type: "text", id: "site-name", autocomplete: "off", required: "" });
    nameField.value = this.siteName;
    const save = make("form", { class: "site-save", method: "dialog" },
      make("label", { for: "site-name" }, this.tr(kMenus, "Name of the site:")), nameField,
      make("button", { type: "submit", class: "button" }, this.catalogue.web("save")));
    save.addEventListener("submit", (e) => {
      e.preventDefault();
      if (this.saveSite(nameField.value.trim())) refill();
    });
    const list = make("ul", { class: "site-list" });
    if (sites.length === 0) list.append(make("li", {}, this.tr(kMenus, "No saved sites")));
    for (const site of sites) list.append(this.siteItem(site, dialog, refill));
    const close = this.button(this.tr("kestrion::desktop::AboutWindow", "Close"), () => dialog.close());
    const warnings = problems.map((p) => make("p", { class: "message problem" }, p));
    return [save, list, ...warnings, close];
  }

  private siteItem(site: Site, dialog: HTMLDialogElement, refill: () => void): HTMLElement {
    const use = this.button(this.catalogue.web("choose"), () => {
      this.enterSite(site);
      dialog.close();
    });
    const rename = this.button(this.catalogue.web("rename"), () => {
      const to = window.prompt(this.tr(kMenus, "New name:"), site.name);
      if (to && !this.sites!.rename(site.name, to.trim())) {
        this.say(format(this.tr("SiteStore", '"%1" is empty or the name of another saved site.'), to), true);
      }
      refill();
    });
    const remove = this.button(this.catalogue.web("remove"), () => {
      if (window.confirm(format(this.tr(kMenus, 'Delete the saved site "%1"?'), site.name))) {
        this.sites!.remove(site.name);
        refill();
      }
    });
    return make("li", {}, make("span", { class: "site-name" }, site.name), use, rename, remove);
  }

  private saveSite(name: string): boolean {
    if (name === "") {
      this.say(this.tr(kMenus, "A site needs a name; nothing was saved."), true);
      return false;
    }
    if (this.sites!.has(name) && !window.confirm(format(this.tr(kMenus, 'A site named "%1" is saved already. Replace it?'), name))) {
      return false;
    }
    const s = this.engine.state();
    const satelliteName = this.engine.aids().satelliteName;
    try {
      this.sites!.save({
        name,
        latitude: s.texts[this.valueName("latitude")],
        longitude: s.texts[this.valueName("longitude")],
        satellite: s.texts[this.valueName("satellite")],
        satelliteName,
        offsetAngle: String(s.pointing.offsetAngle),
        lastUsed: Date.now(),
      });
    } catch (e) {
      this.say(format(this.catalogue.web("storageFailed"), String(e)), true);
      return false;
    }
    this.siteName = name;
    this.say(format(this.catalogue.web("siteSaved"), name));
    return true;
  }

  private valueName(entry: AngleInput): string {
    const input = this.describe.typedEntries[entry];
    return this.describe.inputs.find((i) => i.name === input)!.value;
  }

  // As typing each value: the satellite by its name only where the name
  // still stands for the saved position.
  enterSite(site: Site): void {
    this.show(this.describe.alignmentPage, false);
    this.run(`latitude:=${site.latitude}`);
    this.run(`longitude:=${site.longitude}`);
    const byName =
      site.satelliteName !== "" &&
      this.engine.angleProblem("satellite", site.satelliteName) === "" &&
      this.engine.complete(site.satelliteName).some((s) => s.name === site.satelliteName && String(s.position) === site.satellite);
    this.run(`satellite:=${byName ? site.satelliteName : site.satellite}`);
    // A saved name that stands for another position is shown as such.
    this.mismatchedName = byName ? "" : site.satelliteName;
    const refusal = this.setOffsetAngle(site.offsetAngle);
    if (refusal) this.say(refusal, true);
    this.siteName = site.name;
    try {
      this.sites!.save({ ...site, lastUsed: Date.now() });
    } catch {
      // Only the order of the list is lost.
    }
    this.say(format(this.catalogue.web("siteChosen"), site.name));
  }

  private storageChanged(e: StorageEvent): void {
    if (SiteStore.changedBy(e)) {
      document.querySelector("dialog.sites-dialog")?.dispatchEvent(new Event("sites-changed"));
    }
  }
}
