#!/usr/bin/env bash
# The built site as a release archive, build/web/kestrion-web-VERSION.zip:
# unpack it on any static web host. Entries are sorted and dated by the
# site's newest file, so the same site gives the same archive.
set -euo pipefail
cd "$(dirname "$0")/.."
site=build/web/site
[ -f "$site/index.html" ] || { echo "web-release: no site in $site; run scripts/build-web.sh" >&2; exit 2; }
version=$(sed -n 's/^project(Kestrion VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build/web/kestrion-web-$version.zip
python3 - "$site" "$out" <<'PY'
import os, sys, time, zipfile
site, out = sys.argv[1:]
files = sorted(os.path.relpath(os.path.join(d, f), site)
               for d, _, names in os.walk(site) for f in names)
stamp = time.localtime(max(os.path.getmtime(os.path.join(site, f)) for f in files))[:6]
with zipfile.ZipFile(out + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for f in files:
        info = zipfile.ZipInfo(f"kestrion-web/{f}", stamp)
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(os.path.join(site, f), "rb") as data:
            z.writestr(info, data.read())
os.replace(out + ".part", out)
PY
echo "web-release: $out ($(stat -c %s "$out") bytes)"
