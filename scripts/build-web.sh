#!/usr/bin/env bash
# Builds the web app's engine into build/web/site: the C++ runtime pieces
# Debian lacks (once), the web preset's kestrion.wasm, and the site's
# JavaScript, type-checked and bundled. npm ci runs when web/node_modules is
# missing or older than the package files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web-runtime.sh
if [ ! -f build/web/CMakeCache.txt ]; then
  cmake --preset web
fi
cmake --build --preset web

cd web
installed=node_modules/.package-lock.json
if [ ! -f "$installed" ] || [ package.json -nt "$installed" ] || [ package-lock.json -nt "$installed" ]; then
  # No install scripts: esbuild's only checks its binary, which it finds without.
  npm ci --ignore-scripts --no-audit --no-fund
fi
npm run --silent check
npm run --silent build
../scripts/web-release.sh
