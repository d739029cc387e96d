#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Kestrion; arguments are passed on.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh >&2
if [ -x build/default/app/kestrion ]; then
  exec build/default/app/kestrion "$@"
fi
exec build/default/app/kestrion-cli "$@"
