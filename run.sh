#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Kestrion; arguments are passed on.
#   ./run.sh --web   builds the web app and serves it on http://127.0.0.1:8080/
#                    (PORT overrides the port) until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh >&2
if [ "${1:-}" = "--web" ]; then
  exec node web/tools/serve.mjs build/web/site "${PORT:-8080}"
fi
if [ -x build/default/app/kestrion ]; then
  exec build/default/app/kestrion "$@"
fi
exec build/default/app/kestrion-cli "$@"
