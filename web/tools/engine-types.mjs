// The web's view of the engine, written from the engine into src/generated/
// so that nothing of it is typed twice:
// - kestrion_api.ts: the module's exports and the statuses, read from the
//   C header src/api/kestrion_api.h (an int a function returns is a status);
// - description.ts: the types of kestrion_describe's JSON, read from the
//   description the built kestrion.wasm gives: an object's keys as the engine
//   writes them (optional where some objects lack one), and a word field's
//   type the words it writes.
//
//   node tools/engine-types.mjs [SITE]   (SITE holds kestrion.wasm)
import { ConsoleStdout, File, OpenFile, WASI } from "@bjorn3/browser_wasi_shim";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { fileURLToPath } from "node:url";

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const kHeader = here("../../src/api/kestrion_api.h");
const kOut = here("../src/generated");
const kNote = "// Written by web/tools/engine-types.mjs when the web app is built; not to be edited.\n";

const camel = (name) => name.toLowerCase().replace(/_([a-z])/g, (_, c) => c.toUpperCase());

export function apiModule(header) {
  const statuses = [...header.matchAll(/^\s*KESTRION_([A-Z_]+)\s*=\s*(\d+)/gm)];
  if (statuses.length === 0) throw new Error("kestrion_api.h: no KESTRION_ statuses found");
  const members = [];
  // A declaration clang-format wrapped is read as one line.
  const joined = header.replace(/,\n\s+/g, ", ");
  for (const line of joined.split("\n").filter((l) => /^[A-Za-z].*[ *]kestrion_[a-z_]+\(/.test(l))) {
    const m = /^(.*[ *])(kestrion_[a-z_]+)\((.*)\);$/.exec(line.trim());
    if (!m) throw new Error(`kestrion_api.h: a declaration was expected: ${line}`);
    const [, result, name, list] = m;
    const params = list.trim() === "void" ? [] : list.split(",").map((p) => `${/(\w+)\s*$/.exec(p)[1]}: number`);
    const returned = { void: "void", int: "StatusCode" }[result.trim()] ?? "number";
    members.push(`  ${name}(${params.join(", ")}): ${returned};`);
  }
  return `${kNote}// From src/api/kestrion_api.h.

/** What a call ended with: kestrion-cli's exit statuses. */
export const Status = { ${statuses.map(([, n, v]) => `${camel(n)}: ${v}`).join(", ")} } as const;
export type StatusCode = (typeof Status)[keyof typeof Status];

/** The module's exports; pointers and handles are numbers. */
export interface Exports {
  memory: WebAssembly.Memory;
  _initialize(): void;
${members.join("\n")}
}
`;
}

// Places in the description whose type has a name; a place is the type it
// lies in and the keys below it.
const kNamed = new Map([
  ["Describe.pages[].controls[]", "ControlDesc"],
  ["Describe.window[]", "ControlDesc"],
  ["ControlDesc.rect", "Rect"],
  ["Describe.tabControl", "Rect"],
  ["Describe.inputs[]", "InputDesc"],
  ["Describe.rainFade", "RainDescription"],
  ["RainDescription.inputs[]", "RainInput"],
]);
// Keys whose texts are words of a closed set (a layout enumeration).
const kWords = new Set(["kind", "look", "aid", "command", "scale"]);

export function descriptionModule(description) {
  const samples = new Map(); // place -> the values met there
  const order = []; // named types, as met
  const child = (place, step) => kNamed.get(`${place}${step}`) ?? `${place}${step}`;
  const collect = (value, place) => {
    if (!samples.has(place)) {
      samples.set(place, []);
      if (!place.includes(".") && !place.includes("[")) order.push(place);
    }
    samples.get(place).push(value);
    if (Array.isArray(value)) value.forEach((v) => collect(v, child(place, "[]")));
    else if (value !== null && typeof value === "object") {
      for (const [k, v] of Object.entries(value)) collect(v, child(place, `.${k}`));
    }
  };
  collect(description, "Describe");

  const typeOf = (place, inline = true) => {
    if (inline && order.includes(place)) return place;
    const values = samples.get(place) ?? [];
    const types = new Set();
    const key = place.slice(place.lastIndexOf(".") + 1);
    const words = values.filter((v) => typeof v === "string");
    if (words.length > 0) {
      types.add(kWords.has(key) ? [...new Set(words)].sort().map((w) => JSON.stringify(w)).join(" | ") : "string");
    }
    for (const v of values) {
      if (v === null) types.add("null");
      else if (typeof v === "number" || typeof v === "boolean") types.add(typeof v);
    }
    const arrays = values.filter(Array.isArray);
    if (arrays.length > 0) types.add(arrayType(place, arrays));
    const objects = values.filter((v) => v !== null && typeof v === "object" && !Array.isArray(v));
    if (objects.length > 0) types.add(objectType(place, objects, inline));
    return [...types].join(" | ") || "never";
  };
  const arrayType = (place, arrays) => {
    const element = typeOf(child(place, "[]"));
    // A named list of a fixed length, as a rectangle, is a tuple.
    const length = arrays[0].length;
    if (order.includes(place) && arrays.every((a) => a.length === length)) {
      return `[${Array(length).fill(element).join(", ")}]`;
    }
    return /[ |]/.test(element) && !element.startsWith("{") ? `(${element})[]` : `${element}[]`;
  };
  const objectType = (place, objects, inline) => {
    const keys = [...new Set(objects.flatMap((o) => Object.keys(o)))];
    const members = keys.map((k) => {
      const optional = objects.some((o) => !(k in o)) ? "?" : "";
      return `${/^[A-Za-z_]\w*$/.test(k) ? k : JSON.stringify(k)}${optional}: ${typeOf(child(place, `.${k}`))};`;
    });
    return inline ? `{ ${members.join(" ")} }` : `{\n${members.map((m) => `  ${m}`).join("\n")}\n}`;
  };

  const declarations = order.map((name) => {
    const type = typeOf(name, false);
    return type.startsWith("{\n") ? `export interface ${name} ${type}` : `export type ${name} = ${type};`;
  });
  return `${kNote}// From the description the built kestrion.wasm gives (kestrion_describe).\n\n${declarations.join("\n\n")}\n`;
}

// The description, from the module as built.
async function describeOf(wasm) {
  const log = (line) => console.warn(`kestrion.wasm: ${line}`);
  const streams = [new OpenFile(new File([])), ConsoleStdout.lineBuffered(log), ConsoleStdout.lineBuffered(log)];
  const wasi = new WASI([], [], streams, { debug: false });
  const { instance } = await WebAssembly.instantiate(wasm, { wasi_snapshot_preview1: wasi.wasiImport });
  wasi.initialize(instance);
  const e = instance.exports;
  const engine = e.kestrion_open();
  if (engine === 0) throw new Error("kestrion.wasm: no engine opened");
  const at = e.kestrion_describe(engine);
  const memory = new Uint8Array(e.memory.buffer);
  return JSON.parse(new TextDecoder().decode(memory.subarray(at, memory.indexOf(0, at))));
}

function write(name, text) {
  mkdirSync(kOut, { recursive: true });
  const path = join(kOut, name);
  let old = "";
  try {
    old = readFileSync(path, "utf8");
  } catch {
    // not written yet
  }
  // Rewritten only when it changes, so that watchers and tsc see no change.
  if (old !== text) writeFileSync(path, text);
}

export async function writeEngineTypes(site) {
  write("kestrion_api.ts", apiModule(readFileSync(kHeader, "utf8")));
  let wasm;
  try {
    wasm = readFileSync(join(site, "kestrion.wasm"));
  } catch {
    throw new Error(`${join(site, "kestrion.wasm")} is missing: build the web preset first (scripts/build-web.sh)`);
  }
  write("description.ts", descriptionModule(await describeOf(wasm)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  await writeEngineTypes(process.argv[2] ?? here("../../build/web/site"));
}
