#!/usr/bin/env python3
"""No header of the build machine in the web build.

    host_headers.py WEB_BUILD_DIR

Clang for wasm32-wasi would also search /usr/include and /usr/local/include,
where amd64 headers (GeographicLib's Config.h, fast_float, nlohmann-json)
compile without a word. Every file Ninja recorded as read for the web build
must lie in the source tree, the web build's folders (its sysroot and the
build-local links to header-only libraries among them) or clang's own
headers. Without a web build it prints one line and exits 77 (a skip).
"""
import os
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    if not os.path.exists(os.path.join(build, "build.ninja")) or not shutil.which("ninja"):
        print(f"web host headers: skipped: no web build in {build} (scripts/build.sh builds it)")
        sys.exit(77)
    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], stdout=subprocess.PIPE,
                          check=True, text=True).stdout
    clang = subprocess.run(["clang-19", "-print-resource-dir"], stdout=subprocess.PIPE,
                           check=True, text=True).stdout.strip()
    allowed = [ROOT, os.path.dirname(build), os.path.join(clang, "include")]
    read = {os.path.normpath(os.path.join(build, line.strip()))
            for line in deps.splitlines() if line.startswith(" ")}
    foreign = sorted(p for p in read
                     if not any(p.startswith(a + os.sep) for a in allowed))
    print(f"web host headers: {len(read)} files read, {len(foreign)} from the build machine")
    for path in foreign[:20]:
        print("  " + path)
    if not read or foreign:
        sys.exit(1)


main()
