// The web engine answering as kestrion-cli does, for comparing the two: the
// site's own engine module (build/web/site/engine.js) and kestrion.wasm, in
// Node.
//
//   node engine_cli.mjs SITE --trace [--date D] [--offset-angle A] -
//       the events on stdin, one a line: the states on stdout, a refused or
//       faulting event on stderr as kestrion-cli writes it, and its status
//   node engine_cli.mjs SITE --cases
//       stdin: [{"date", "offsetAngle", "events": [...]}, ...]; stdout: one
//       JSON line per case, {"status", "states": [...], "stderr"}
//   node engine_cli.mjs SITE --satellites
//       the satellites known by name, as kestrion-cli --satellites
import { readFileSync } from "node:fs";
import { loadSite } from "./site.mjs";

const [site, mode, ...rest] = process.argv.slice(2);
const { Engine, EngineError, wasm } = await loadSite(site);
const engine = await Engine.load(wasm);

function option(name) {
  const at = rest.indexOf(name);
  return at >= 0 ? rest[at + 1] : undefined;
}

// kestrion-cli --trace: the states printed, or those before the event that
// stopped it with its message and status.
function trace(events, options) {
  try {
    return { status: 0, states: engine.traceTexts(events, options), stderr: "" };
  } catch (e) {
    if (!(e instanceof EngineError)) {
      throw e;
    }
    const states = e.states.map((s) => JSON.stringify(s));
    return { status: e.status, states, stderr: `kestrion-cli: ${e.message}\n` };
  }
}

function traceOptions(date, offsetAngle) {
  const options = {};
  if (date !== undefined) options.date = date;
  if (offsetAngle !== undefined) options.offsetAngle = offsetAngle;
  return options;
}

if (mode === "--trace") {
  const events = readFileSync(0, "utf8").split("\n");
  if (events.at(-1) === "") {
    events.pop();
  }
  const run = trace(
    events.map((e) => (e.endsWith("\r") ? e.slice(0, -1) : e)),
    traceOptions(option("--date"), option("--offset-angle")),
  );
  for (const state of run.states) {
    process.stdout.write(state + "\n");
  }
  process.stderr.write(run.stderr);
  process.exitCode = run.status;
} else if (mode === "--cases") {
  for (const c of JSON.parse(readFileSync(0, "utf8"))) {
    process.stdout.write(JSON.stringify(trace(c.events, traceOptions(c.date, c.offsetAngle))) + "\n");
  }
} else if (mode === "--satellites") {
  process.stdout.write(JSON.stringify(engine.satellites()) + "\n");
} else {
  process.stderr.write("usage: node engine_cli.mjs SITE --trace|--cases|--satellites\n");
  process.exitCode = 2;
}
