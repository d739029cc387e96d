// The sun's JSON from kestrion.wasm in Node, text for text the native one
// (kestrion_sun_probe), at sites in both hemispheres, on the equator and
// beyond the Arctic Circle: ERFA, musl's functions and the searches give the
// same bits in the browser.
//
//   node sun_check.mjs SITE SUN_PROBE
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { loadSite } from "./site.mjs";

const [site, probe] = process.argv.slice(2);
const { Engine, wasm } = await loadSite(site);
const engine = await Engine.load(wasm);

const cases = [
  ["2027-03-04", ["latitude:=52.52", "longitude:=13.405", "satellite:=19.2"], {}],
  ["2027-01-01", ["latitude:=-33.87", "longitude:=151.21", "satellite:=156"], { diameter: "0.6", frequency: "12.5" }],
  ["2027-03-20", ["latitude:=0", "longitude:=-51.07", "satellite:=-61"], { days: "3660" }],
  ["2027-06-21", ["latitude:=69.65", "longitude:=18.96", "satellite:=-1"], { "obstacle-height": "12", "obstacle-distance": "30" }],
  ["1901-05-26", ["latitude:=21.3", "longitude:=-157.86", "satellite:=-150"], { diameter: "0.2", frequency: "1", days: "30" }],
];

for (const [date, events, options] of cases) {
  engine.open();
  assert.equal(engine.setDate(date).status, 0);
  for (const event of events) {
    assert.equal(engine.run(event).status, 0, event);
  }
  for (const [name, value] of Object.entries(options)) {
    const status = engine.withText(name, (n) =>
      engine.withText(value, (v) => engine.exports.kestrion_set_sun_option(engine.live(), n, v)),
    );
    assert.equal(status, 0, `${name}=${value}`);
  }
  const ours = engine.textOf(() => engine.exports.kestrion_sun(engine.live()));
  const native = execFileSync(probe, [date, ...Object.entries(options).map(([n, v]) => `${n}=${v}`), ...events], {
    encoding: "utf8",
  }).trim();
  assert.equal(ours, native, `${date} ${events.join(" ")}`);
  console.log(`sun in the browser: ${date} ${events[0]}: ${JSON.parse(ours).transits.length} windows, the same text`);
}
