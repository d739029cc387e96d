// A TypeScript module of the page, bundled by esbuild in memory and
// imported, so its pure parts are tested in Node as they ship.
import { build } from "esbuild";
import { fileURLToPath } from "node:url";

export async function load(path) {
  const entry = fileURLToPath(new URL(`../../src/${path}`, import.meta.url));
  const out = await build({ entryPoints: [entry], bundle: true, format: "esm", write: false, logLevel: "error" });
  const code = Buffer.from(out.outputFiles[0].contents).toString("base64");
  return import(`data:text/javascript;base64,${code}`);
}
