// Builds the site into build/web/site (or the folder given): the page's and
// the engine's JavaScript bundled by esbuild (with the engine's types written
// from the engine first, tools/engine-types.mjs), the styles, the artwork from
// assets/, the icons, the manifest, the catalogues converted from
// translations/*.ts, and last the service worker with the list of every file
// and a hash of their contents, so a new build is a new offline version.
// kestrion.wasm is put there by the web preset's build.
import { build } from "esbuild";
import { createHash } from "node:crypto";
import { execFileSync } from "node:child_process";
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { join, relative } from "node:path";
import { fileURLToPath } from "node:url";
import { catalogueOf } from "./tools/catalogues.mjs";
import { writeEngineTypes } from "./tools/engine-types.mjs";

const here = (path) => fileURLToPath(new URL(path, import.meta.url));
const site = process.argv[2] ?? here("../build/web/site");
const assets = here("../assets");
const translations = here("../translations");

const kArtwork = ["compass_rose.svg", "dish_front.svg", "dish_side.svg", "logo.svg", "icon.svg"];
const kIconSizes = [192, 512];

function clean() {
  // Everything but the module, which the web preset writes.
  mkdirSync(site, { recursive: true });
  for (const name of readdirSync(site)) {
    if (name !== "kestrion.wasm") rmSync(join(site, name), { recursive: true, force: true });
  }
}

// The engine is a module of its own, which the page imports and scripts and
// tests may import alone.
async function scripts() {
  const common = { bundle: true, format: "esm", target: "es2020", minify: true, legalComments: "eof", logLevel: "warning" };
  await build({ ...common, entryPoints: { engine: "src/engine.ts" }, outdir: site });
  // Code only a section needs is a chunk of its own, fetched when it opens.
  await build({
    ...common,
    entryPoints: { app: "src/main.ts" },
    outdir: site,
    external: ["./engine.js"],
    splitting: true,
    chunkNames: "chunks/[name]-[hash]",
  });
}

function staticFiles() {
  copyFileSync("index.html", join(site, "index.html"));
  copyFileSync("styles.css", join(site, "styles.css"));
  mkdirSync(join(site, "artwork"));
  for (const name of kArtwork) copyFileSync(join(assets, name), join(site, "artwork", name));
  for (const size of kIconSizes) {
    const icon = join(site, `icon-${size}.png`);
    execFileSync("rsvg-convert", ["-w", String(size), "-h", String(size), "-o", icon, join(assets, "icon.svg")]);
    // A palette of the logo's few colours: under half the bytes of the first
    // visit's icons, which the service worker keeps with the rest.
    execFileSync("pngquant", ["--force", "--strip", "--speed", "1", "--output", icon, icon]);
  }
  const manifest = {
    name: "Kestrion",
    short_name: "Kestrion",
    description: "Satellite-TV installation calculator",
    start_url: "./",
    scope: "./",
    display: "standalone",
    background_color: "#f4f6f8",
    theme_color: "#17345a",
    icons: [
      ...kIconSizes.map((size) => ({ src: `icon-${size}.png`, sizes: `${size}x${size}`, type: "image/png" })),
      { src: "artwork/icon.svg", sizes: "any", type: "image/svg+xml" },
    ],
  };
  writeFileSync(join(site, "manifest.webmanifest"), JSON.stringify(manifest, null, 1));
}

function catalogues() {
  mkdirSync(join(site, "i18n"));
  for (const name of readdirSync(translations)) {
    const language = /^kestrion_([a-z]+)\.ts$/.exec(name)?.[1];
    if (language) writeFileSync(join(site, "i18n", `${language}.txt`), catalogueOf(join(translations, name)));
  }
}

function filesIn(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? filesIn(path) : [path];
  });
}

async function serviceWorker() {
  const files = filesIn(site)
    .map((path) => relative(site, path).split("\\").join("/"))
    .filter((file) => file !== "sw.js")
    .sort();
  const hash = createHash("sha256");
  for (const file of files) hash.update(file).update(readFileSync(join(site, file)));
  const version = hash.digest("hex").slice(0, 16);
  // The page itself is cached under its folder's address; the catalogues
  // as the browser's languages and the page ask for them.
  const catalogues = files.filter((file) => file.startsWith("i18n/"));
  const cached = ["./", ...files.filter((file) => !catalogues.includes(file))];
  await build({
    entryPoints: { sw: "src/sw.ts" },
    outdir: site,
    bundle: true,
    format: "iife",
    target: "es2020",
    minify: true,
    define: {
      KESTRION_FILES: JSON.stringify(cached),
      KESTRION_CATALOGUES: JSON.stringify(catalogues),
      KESTRION_VERSION: JSON.stringify(version),
    },
    logLevel: "warning",
  });
  return version;
}

clean();
await writeEngineTypes(site);
await scripts();
staticFiles();
catalogues();
const version = await serviceWorker();
console.log(`web: site built in ${relative(process.cwd(), site) || "."} (offline version ${version})`);
