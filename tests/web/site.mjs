// The site's engine module and kestrion.wasm, for the tests in Node.
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

// Imported from a copy named .mjs: Node 18 reads a .js file outside a module
// package as CommonJS.
export async function loadSite(site) {
  const folder = mkdtempSync(join(tmpdir(), "kestrion-site-"));
  try {
    copyFileSync(join(site, "engine.js"), join(folder, "engine.mjs"));
    const module = await import(pathToFileURL(join(folder, "engine.mjs")).href);
    return { ...module, wasm: readFileSync(join(site, "kestrion.wasm")) };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
