// The site's engine module over kestrion.wasm, in Node: what the module
// exports, the fault path through WebAssembly exceptions, the errors of a
// trace, bad input, and no memory kept per call.
//
//   node engine_test.mjs SITE API_HEADER
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { loadSite } from "./site.mjs";

const [site, header] = process.argv.slice(2);
const { Engine, EngineError, Status, wasm } = await loadSite(site);
const engine = await Engine.load(wasm);
engine.setDate("2026-01-01");

const checks = {
  "exports exactly the header's functions, the memory and _initialize"() {
    const declared = [...readFileSync(header, "utf8").matchAll(/^[A-Za-z].*[ *](kestrion_[a-z_]+)\(/gm)];
    const exported = WebAssembly.Module.exports(new WebAssembly.Module(wasm)).map((e) => e.name);
    assert.deepEqual(exported.sort(), ["_initialize", "memory", ...declared.map((m) => m[1])].sort());
  },

  "a floating-point fault gives the native outcome, not a trap"() {
    assert.equal(engine.setText("rsat", "0").status, Status.ok);
    const r = engine.run("HScroll20=41");
    assert.equal(r.status, Status.fault);
    assert.equal(r.message, 'event "HScroll20=41": floating-point fault in CarrierToNoiseCalc: division by zero');
    assert.equal(engine.state().texts.eirp, "41");
    assert.equal(engine.run("HScroll20=40").status, Status.fault, "the engine keeps answering");
  },

  "a trace stops at a refused event with the states before it"() {
    const states = engine.trace(["HScroll1=5", "Option2"], { date: "2026-01-01" });
    assert.deepEqual(states.map((s) => s.event), ["load", "HScroll1=5", "Option2"]);
    assert.throws(
      () => engine.trace(["HScroll1=5", "HScroll26=1", "HScroll1=50"]),
      (e) =>
        e instanceof EngineError &&
        e.status === Status.refused &&
        e.message.startsWith('event "HScroll26=1": unknown control "HScroll26"') &&
        e.states.length === 2 &&
        e.states[1].sliders.HScroll1 === 5,
    );
  },

  "a trace leaves the open calculator alone"() {
    engine.run("HScroll17=33");
    engine.trace(["HScroll17=1"]);
    assert.equal(engine.state().sliders.HScroll17, 33);
  },

  "bad input is refused with a message, never read wrongly"() {
    const cases = [
      [() => engine.setDate("2026-02-30"), /^date "2026-02-30" is not a date/],
      [() => engine.setOffsetAngle("46"), /^offset angle "46" is not an offset angle/],
      [() => engine.setText("nosuch", "1"), /^value "nosuch" is unknown/],
      [() => engine.run(""), /^event "":/],
      [() => engine.run("latitude:=\u{1F4A9}"), /^event "latitude:=\u{1F4A9}":/u],
    ];
    for (const [call, message] of cases) {
      const r = call();
      assert.equal(r.status, Status.refused);
      assert.match(r.message, message);
    }
    assert.throws(() => engine.run("HScroll17=5\0junk"), /zero character/);
    assert.throws(() => engine.run(17), TypeError);
    assert.throws(() => engine.trace([null]), TypeError);
  },

  async "an exception that leaves the module stops the engine, as a trap does"() {
    const lost = await Engine.load(wasm);
    const tag = new WebAssembly.Tag({ parameters: [] });
    const exports = lost.exports;
    lost.exports = { ...exports, kestrion_run: () => { throw new WebAssembly.Exception(tag, []); } };
    assert.throws(() => lost.run("HScroll1=5"), /engine stopped after an internal error \(an exception left the module\)/);
    lost.exports = exports;
    assert.throws(() => lost.stateText(), /engine stopped/, "and says so at every later call");
  },

  "a module that is not WebAssembly is refused with a reason"() {
    return assert.rejects(Engine.load(new Uint8Array([0, 97, 115, 109, 9, 9, 9, 9])), /not a WebAssembly module/);
  },

  "many calls keep no memory"() {
    const round = () => {
      for (let i = 0; i < 2000; i++) {
        engine.run(`HScroll17=${(i % 181) - 90}`);
        engine.run(`satellite:=Astra 19.${i % 10}E`);
        engine.stateText();
        engine.complete("astra");
        engine.setDate("2026-13-01");
        engine.angleProblem("latitude", "95");
      }
      engine.trace(["Option1", "Option3"]);
      engine.report("Roof");
    };
    round();
    const after = engine.memoryBytes();
    for (let i = 0; i < 10; i++) {
      round();
    }
    assert.equal(engine.memoryBytes(), after, "linear memory grew over 120000 calls");
  },
};

let failed = 0;
for (const [name, check] of Object.entries(checks)) {
  try {
    await check();
    console.log(`ok: ${name}`);
  } catch (e) {
    failed++;
    console.log(`FAILED: ${name}\n${e.stack}`);
  }
}
process.exitCode = failed ? 1 : 0;
