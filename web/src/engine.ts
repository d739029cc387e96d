// The calculator in the browser: kestrion.wasm (the C API of
// src/api/kestrion_api.h compiled to WebAssembly) behind a small typed class.
// Events go in as kestrion-cli's event texts; states come out as the JSON
// kestrion-cli prints, so a script gets the same answers from either.
import { ConsoleStdout, File, type Inode, OpenFile, PreopenDirectory, WASI } from "@bjorn3/browser_wasi_shim";
import { type Exports, Status, type StatusCode } from "./generated/kestrion_api";
import type { Describe } from "./generated/description";

export { Status, type StatusCode };
export type { ControlDesc, Describe, InputDesc, Rect } from "./generated/description";

/** The inputs that take a typed value: "latitude", "longitude", "satellite". */
export type AngleInput = keyof Describe["typedEntries"];

export interface RunResult {
  status: StatusCode;
  /** One line naming what was wrong and what is allowed; "" when it ran. */
  message: string;
}

export interface Pointing {
  declination: number | null;
  magneticAzimuth: string;
  model: string;
  date: string;
  offsetAngle: number;
  faceTilt: string;
  warnings: string[];
}

/** The state as kestrion-cli prints it after an event. */
export interface State {
  event: string;
  texts: Record<string, string>;
  sliders: Record<string, number>;
  option: string;
  lines: Record<string, [number, number, number, number]>;
  pointing: Pointing;
}

export interface Satellite {
  name: string;
  /** Degrees, east positive. */
  position: number;
}

/** A row of a report: a value with its caption and unit. */
export interface Row {
  id: string; // the value's control name, or the aid's
  caption: string;
  value: string;
  unit: string;
  shown: string; // the value with its unit, as the window writes them
}

/** The pointing aids in words. */
export interface Aids {
  satelliteName: string;
  declination: string;
  faceTilt: string;
  faceTiltDegrees: number | null; // leaning back positive
  skewDirection: string; // which way the LNB turns, seen from behind the dish; "" below the horizon
  shortWarnings: string[];
}

/** What Copy and the job sheet report. */
export interface Report extends Aids {
  pages: { rows: Row[]; copy: string }[];
  rainFade?: {
    basis: Row[];
    results: Row[];
    warnings: string[];
    notes: { basis: string; example: string; meanings: string[]; tiltFromSkew: { caption: string; event: string }[] };
  };
  sheet: {
    title: string;
    date: string;
    site: string;
    sections: { id: string; heading: string; captionShare: number; rows: Row[] }[];
    pictureCaptions: string[];
    notes: string;
    signatures: string;
    footer: string;
  };
}

/** The sun's direction: degrees from true north and above the horizontal,
 * geometric and with standard refraction; the time "2027-03-04T10:52:56Z". */
export interface SunPoint {
  time: string;
  azimuth: number;
  elevation: number;
  refractedElevation: number;
}

/** kestrion-cli --sun's object; times in UTC with a Z. */
export interface SunReport {
  date: string;
  azimuth: number | null;
  elevation: number | null;
  sunInDirection: { time: string; elevation: number }[];
  shadowInDirection: { time: string; elevation: number }[];
  diameter: number;
  frequency: number;
  beamwidth: number;
  threshold: number;
  days: number;
  sunReachesSatellite: boolean;
  transits: { start: string; peak: string; end: string; separation: number }[];
  obstacle?: {
    height: number;
    distance: number;
    margin: number;
    elevation: number;
    clearance: number;
    distanceNeeded: number | null;
  };
}

/** A point of the geostationary arc: the texts the alignment page would show. */
export interface ArcText {
  position: number;
  elevation: string;
  azimuth: string;
}

export type TurnDirection = "east" | "west" | "none";

/** The dish on a motorised polar mount: raw figures and the window's texts. */
export interface Motor {
  angle: number;
  direction: TurnDirection;
  diseqc: string;
  latitudeScale: number;
  declinationOffset: number;
  dishElevation: number;
  limit: number;
  beyondLimit: boolean;
  shown: Record<"angle" | "latitudeScale" | "declinationOffset" | "dishElevation" | "limit", string>;
}

/** A satellite above the horizon, as kestrion-cli --satellites --visible. */
export interface VisibleSatellite {
  name: string;
  position: number;
  elevation: number;
  azimuth: number;
  skew: number;
  motorAngle: number;
  motorDirection: TurnDirection;
  magneticBearing: number | null;
  shown: Record<"elevation" | "azimuth" | "skew" | "magneticBearing" | "motorAngle", string>;
}

export type MultifeedInput = "satellite" | "diameter" | "focalLength";

/** A second LNB's figures, as kestrion-cli --multifeed, or the input refused. */
export type Multifeed =
  | {
      separation: number;
      offset: number;
      side: "east" | "west";
      railTilt: number;
      skew: number;
      warnings: string[];
      secondName: string;
      secondPosition: number;
      tooClose: boolean;
      secondBelowHorizon: boolean;
      shown: { separation: string; offsetMm: number; railTilt: string; skew: string };
      problem?: undefined;
    }
  | { problem: { input: MultifeedInput; message: string } };

export interface TraceOptions {
  /** "YYYY-MM-DD", as kestrion-cli's --date; the engine's own date if absent. */
  date?: string;
  /** Degrees, as kestrion-cli's --offset-angle; the engine's own if absent. */
  offsetAngle?: string;
}

/** A refused or faulting event: the message is kestrion-cli's
 * standard error line without its "kestrion-cli: " prefix. */
export class EngineError extends Error {
  constructor(
    message: string,
    readonly status: StatusCode,
    /** The states printed before the event that stopped the trace. */
    readonly states: State[],
  ) {
    super(message);
    this.name = "EngineError";
  }
}

/** Where the module comes from: its address, a fetch response, or its bytes. */
export type ModuleSource = string | URL | Response | ArrayBuffer | ArrayBufferView;

async function moduleBytes(source: ModuleSource): Promise<Uint8Array<ArrayBuffer>> {
  if (source instanceof ArrayBuffer) {
    return new Uint8Array(source);
  }
  if (ArrayBuffer.isView(source)) {
    // A copy, as the view may lie on shared memory, which compiling refuses.
    const bytes = new Uint8Array(source.byteLength);
    bytes.set(new Uint8Array(source.buffer, source.byteOffset, source.byteLength));
    return bytes;
  }
  const response = source instanceof Response ? source : await fetch(source);
  if (!response.ok) {
    throw new Error(`kestrion.wasm could not be loaded from ${response.url}: HTTP ${response.status}`);
  }
  return new Uint8Array(await response.arrayBuffer());
}

/** Today on the browser's calendar, as the pointing aids are dated; WASI
 * knows no time zone. */
function localDate(now = new Date()): string {
  const two = (n: number) => String(n).padStart(2, "0");
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

// A C++ exception as JavaScript sees one; browsers before exception
// handling have no such type, and TypeScript's library does not name it.
const kWasmException = (WebAssembly as unknown as { Exception?: abstract new () => object }).Exception;

const kFileFolder = "/maps";
const encoder = new TextEncoder();
const decoder = new TextDecoder("utf-8");

/** One instance of the module and one calculator on it. */
export class Engine {
  private handle = 0;
  private broken: string | null = null;

  private constructor(
    private readonly exports: Exports,
    private readonly files: Map<string, Inode>,
  ) {}

  /** Hands a file to the engine (a rain map the user chose), replacing one
   * of the same name; returns the path events name it by. */
  putFile(name: string, bytes: Uint8Array): string {
    const safe = name.replace(/[^A-Za-z0-9._-]/g, "_").replace(/^\.+/, "_") || "file";
    this.files.set(safe, new File(bytes));
    return `${kFileFolder}/${safe}`;
  }

  /** Fetches (or takes), checks, compiles and starts the module, and opens a
   * calculator dated today. */
  static async load(source: ModuleSource): Promise<Engine> {
    const bytes = await moduleBytes(source);
    if (!WebAssembly.validate(bytes)) {
      throw new Error(
        "kestrion.wasm is not a WebAssembly module this browser can run " +
          "(it needs WebAssembly exception handling: Chrome 95, Firefox 100, Safari 15.2 or later)",
      );
    }
    const module = await WebAssembly.compile(bytes);
    const log = (line: string) => console.warn(`kestrion.wasm: ${line}`);
    // Files the user hands over (the ITU's rain maps) live in /maps.
    const maps = new Map<string, Inode>();
    const wasi = new WASI(
      [],
      [],
      [
        new OpenFile(new File([])),
        ConsoleStdout.lineBuffered(log),
        ConsoleStdout.lineBuffered(log),
        new PreopenDirectory(kFileFolder, maps),
      ],
      { debug: false },
    );
    const instance = await WebAssembly.instantiate(module, {
      wasi_snapshot_preview1: wasi.wasiImport,
    });
    const exports = instance.exports as unknown as Exports;
    wasi.initialize({ exports });
    const engine = new Engine(exports, maps);
    engine.open();
    return engine;
  }

  /** A new calculator after its start-up, dated today, offset angle 0; the
   * one open before is closed. */
  open(): void {
    this.close();
    this.handle = this.call(() => this.exports.kestrion_open());
    if (this.handle === 0) {
      throw new Error("the engine ran out of memory opening a calculator");
    }
    this.check(this.setDate(localDate()));
  }

  close(): void {
    if (this.handle !== 0 && this.broken === null) {
      this.exports.kestrion_close(this.handle);
    }
    this.handle = 0;
  }

  /** Runs one event in kestrion-cli's grammar: "HScroll17=50", "Option2",
   * "latitude:=33°55'29\"S". A refused event changes nothing. */
  run(event: string): RunResult {
    return this.result(this.withText(event, (text) => this.exports.kestrion_run(this.live(), text)));
  }

  /** The state after the last event that ran, as kestrion-cli's JSON text. */
  stateText(): string {
    return this.textOf(() => this.exports.kestrion_state(this.live()));
  }

  state(): State {
    return JSON.parse(this.stateText()) as State;
  }

  /** The controls from the model's tables: pages, inputs, values, options,
   * pointers and each page's controls. */
  describe(): Describe {
    return JSON.parse(this.textOf(() => this.exports.kestrion_describe(this.live()))) as Describe;
  }

  satellites(): Satellite[] {
    return JSON.parse(this.textOf(() => this.exports.kestrion_satellites(this.live()))) as Satellite[];
  }

  /** The satellites whose name starts with the prefix, as typed entry
   * compares names. */
  complete(prefix: string): Satellite[] {
    const list = this.withText(prefix, (text) =>
      this.textOf(() => this.exports.kestrion_complete(this.live(), text)),
    );
    return JSON.parse(list) as Satellite[];
  }

  /** The user's language for reports and messages: records "context U+001F
   * source U+001F translation" separated by U+001E, as the build converts the
   * translations; "" for English. */
  setTranslations(catalogue: string): RunResult {
    return this.result(
      this.withText(catalogue, (text) => this.exports.kestrion_set_translations(this.live(), text)),
    );
  }

  /** What Copy and the job sheet report, in the user's language: each page's
   * rows and copied text, the pointing aids in words, the sheet's sections. */
  report(siteName = ""): Report {
    const report = this.withText(siteName, (name) =>
      this.textOf(() => this.exports.kestrion_report(this.live(), name)),
    );
    return JSON.parse(report) as Report;
  }

  /** The geostationary arc from the site: for each whole satellite position
   * the elevation and azimuth texts the alignment page would show there. */
  arc(): ArcText[] {
    return JSON.parse(this.textOf(() => this.exports.kestrion_arc(this.live()))) as ArcText[];
  }

  /** Sets one of the sun's options by its name ("days", "diameter",
   * "obstacle-height"...); a refusal names the option and what is allowed. */
  setSunOption(name: string, value: string): RunResult {
    return this.result(
      this.withText(name, (n) => this.withText(value, (v) => this.exports.kestrion_set_sun_option(this.live(), n, v))),
    );
  }

  /** The sun as kestrion-cli --sun prints it, for the site, satellite and date. */
  sun(): SunReport {
    return JSON.parse(this.textOf(() => this.exports.kestrion_sun(this.live()))) as SunReport;
  }

  /** The sun's direction from the site at an instant (ms since 1970, as
   * Date.now()); null outside 1900 to 2100 or at a pole. */
  sunAt(ms: number): SunPoint | null {
    const p = JSON.parse(this.textOf(() => this.exports.kestrion_sun_at(this.live(), ms / 1000))) as Partial<SunPoint>;
    return p.time === undefined ? null : (p as SunPoint);
  }

  /** The sun's directions every stepMinutes over hours from an instant (ms). */
  sunPath(ms: number, hours: number, stepMinutes: number): SunPoint[] {
    return JSON.parse(
      this.textOf(() => this.exports.kestrion_sun_path(this.live(), ms / 1000, hours, stepMinutes)),
    ) as SunPoint[];
  }

  /** The motor's turn, command and mount at the site and satellite as they
   * stand; the limit 75 degrees until setMotorLimit sets one. */
  motor(): Motor {
    return JSON.parse(this.textOf(() => this.exports.kestrion_motor(this.live()))) as Motor;
  }

  /** Refused with the window's message, without the event in front. */
  setMotorLimit(degrees: string): RunResult {
    return this.result(this.withText(degrees, (text) => this.exports.kestrion_set_motor_limit(this.live(), text)));
  }

  /** The satellites known by name above the horizon at the site. */
  visible(): VisibleSatellite[] {
    return JSON.parse(this.textOf(() => this.exports.kestrion_visible(this.live()))) as VisibleSatellite[];
  }

  /** A second LNB beside the alignment page's satellite, from the texts as
   * typed; the state does not change. */
  multifeed(satellite: string, diameter: string, focalLength: string): Multifeed {
    const text = this.withText(satellite, (s) =>
      this.withText(diameter, (d) =>
        this.withText(focalLength, (f) => this.textOf(() => this.exports.kestrion_multifeed(this.live(), s, d, f))),
      ),
    );
    return JSON.parse(text) as Multifeed;
  }

  /** Enters a typed latitude, longitude or satellite as the window's editor
   * does, the language's compass letters too; refused as angleProblem says. */
  enter(input: AngleInput, text: string): RunResult {
    return this.result(
      this.withText(input, (name) =>
        this.withText(text, (typed) => this.exports.kestrion_enter(this.live(), name, typed)),
      ),
    );
  }

  /** Runs a rain fade event as run does, for a view that shows a refusal
   * beside its input: the message is the input's own, and a map file is
   * called fileName there (the name the user chose). */
  setRainInput(event: string, fileName = ""): RunResult {
    return this.result(
      this.withText(event, (text) =>
        this.withText(fileName, (name) => this.exports.kestrion_set_rain_input(this.live(), text, name)),
      ),
    );
  }

  /** The pointing aids in words (declination, face tilt, short warnings, the
   * satellite's name): what the alignment page needs after every move. */
  aids(): Aids {
    return JSON.parse(this.textOf(() => this.exports.kestrion_aids(this.live()))) as Aids;
  }

  /** "" when the text reads as a typed latitude, longitude or satellite, else
   * what was wrong and what is accepted, in the user's language. */
  angleProblem(input: AngleInput, text: string): string {
    return this.withText(input, (name) =>
      this.withText(text, (typed) =>
        this.textOf(() => this.exports.kestrion_angle_problem(this.live(), name, typed)),
      ),
    );
  }

  /** The pointing aids' date, "YYYY-MM-DD". */
  setDate(date: string): RunResult {
    return this.result(this.withText(date, (text) => this.exports.kestrion_set_date(this.live(), text)));
  }

  /** The dish's offset angle in degrees, "0" to "45" with one decimal. */
  setOffsetAngle(degrees: string): RunResult {
    return this.result(
      this.withText(degrees, (text) => this.exports.kestrion_set_offset_angle(this.live(), text)),
    );
  }

  /** Writes a value's text directly ("rsat", "0"), as no event can: for
   * tests of the fault path. */
  setText(value: string, text: string): RunResult {
    return this.result(
      this.withText(value, (name) =>
        this.withText(text, (content) => this.exports.kestrion_set_text(this.live(), name, content)),
      ),
    );
  }

  /** The states kestrion-cli --trace prints for the events, as JSON texts:
   * after the start-up and after each event, on a calculator of its own. */
  traceTexts(events: readonly string[], options: TraceOptions = {}): string[] {
    const session = this.handle;
    const own = session !== 0 ? this.state().pointing : { date: localDate(), offsetAngle: 0 };
    const states: string[] = [];
    this.handle = this.call(() => this.exports.kestrion_open());
    try {
      this.check(this.setDate(options.date ?? own.date));
      this.check(this.setOffsetAngle(options.offsetAngle ?? String(own.offsetAngle)));
      states.push(this.stateText());
      for (const event of events) {
        if (typeof event !== "string") {
          throw new TypeError(`events must be texts such as "HScroll17=50", not ${typeof event}`);
        }
        const { status, message } = this.run(event);
        if (status !== Status.ok) {
          throw new EngineError(message, status, states.map((s) => JSON.parse(s) as State));
        }
        states.push(this.stateText());
      }
      return states;
    } finally {
      this.close();
      this.handle = session;
    }
  }

  /** As traceTexts, the states parsed. */
  trace(events: readonly string[], options: TraceOptions = {}): State[] {
    return this.traceTexts(events, options).map((s) => JSON.parse(s) as State);
  }

  /** The module's memory in bytes, which grows as it needs. */
  memoryBytes(): number {
    return this.exports.memory.buffer.byteLength;
  }

  private message(): string {
    return this.textOf(() => this.exports.kestrion_message(this.live()));
  }

  private result(status: StatusCode): RunResult {
    return { status, message: this.message() };
  }

  private check(r: RunResult): void {
    if (r.status !== Status.ok) {
      throw new EngineError(r.message, r.status, []);
    }
  }

  private live(): number {
    if (this.handle === 0) {
      throw new Error("no calculator is open: call open() first");
    }
    return this.handle;
  }

  /** Calls into the module; a trap there, or a C++ exception that left it
   * (never expected), leaves the module unusable, its stack unwound without
   * its own code, which every later call then says. */
  private call<T>(f: () => T): T {
    if (this.broken !== null) {
      throw new Error(`the engine stopped after an internal error (${this.broken}); reload the page`);
    }
    try {
      return f();
    } catch (e) {
      const escaped = kWasmException !== undefined && e instanceof kWasmException;
      if (e instanceof WebAssembly.RuntimeError || escaped) {
        this.broken = escaped ? "an exception left the module" : (e as Error).message;
        throw new Error(`the engine stopped after an internal error (${this.broken}); reload the page`);
      }
      throw e;
    }
  }

  /** Passes a text in as UTF-8 with a terminating zero, freed after the call. */
  private withText<T>(text: string, f: (pointer: number) => T): T {
    if (typeof text !== "string") {
      throw new TypeError(`expected a text, not ${typeof text}`);
    }
    if (text.includes("\0")) {
      throw new TypeError(`the text ${JSON.stringify(text)} holds a zero character, which no text may`);
    }
    const bytes = encoder.encode(text);
    const pointer = this.call(() => this.exports.kestrion_alloc(bytes.length + 1));
    if (pointer === 0) {
      throw new Error(`the engine ran out of memory for a text of ${bytes.length} bytes`);
    }
    try {
      const memory = new Uint8Array(this.exports.memory.buffer, pointer, bytes.length + 1);
      memory.set(bytes);
      memory[bytes.length] = 0;
      return this.call(() => f(pointer));
    } finally {
      if (this.broken === null) {
        this.exports.kestrion_free(pointer);
      }
    }
  }

  /** A text the engine returned: UTF-8 up to its terminating zero. */
  private textOf(f: () => number): string {
    const pointer = this.call(f);
    const memory = new Uint8Array(this.exports.memory.buffer);
    const end = memory.indexOf(0, pointer);
    return decoder.decode(memory.subarray(pointer, end));
  }
}
