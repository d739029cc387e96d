// Bundles the site's JavaScript with esbuild into build/web/site (or the
// folder given): the engine module, which the page and the tests import.
import { build } from "esbuild";
import { fileURLToPath } from "node:url";

const site = process.argv[2] ?? fileURLToPath(new URL("../build/web/site", import.meta.url));

await build({
  entryPoints: { engine: "src/engine.ts" },
  outdir: site,
  bundle: true,
  format: "esm",
  target: "es2020",
  minify: true,
  legalComments: "eof",
  logLevel: "warning",
});
