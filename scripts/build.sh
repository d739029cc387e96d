#!/usr/bin/env bash
# Configures (once) and builds the default preset, then the web app's engine
# (scripts/build-web.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/default/CMakeCache.txt ]; then
  cmake --preset default
fi
cmake --build --preset default
scripts/build-web.sh
