#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Kestrion
# need, and only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # libraries
  libcli11-dev nlohmann-json3-dev libfast-float-dev libglib2.0-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  # the magnetic model (GeographicLib) and the satellites' names (DVB-S scan tables)
  libgeographiclib-dev dtv-scan-tables
  # tests and benchmarks (python3: the behaviour pins and the start-up benchmark;
  # python3-ephem: the sun checked against an implementation of its own)
  libgtest-dev libgmock-dev libbenchmark-dev python3 python3-ephem
  # the accessibility test: a real X server, a session bus, AT-SPI and its
  # Python bindings
  xvfb xauth dbus-daemon at-spi2-core python3-pyatspi
  # translations (Qt Linguist) and Qt's own catalogues for its dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # the job sheet tests read the PDF back (pdftotext, pdftoppm, pdfinfo)
  poppler-utils
  # the locale tests (two locales that write a decimal comma)
  locales
  # packaging and its checks; dpkg-dev also for apt-get source
  dpkg-dev file lintian desktop-file-utils appstream
  # the engine in WebAssembly (scripts/web-runtime.sh, the web preset)
  clang-19 lld-19 llvm-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32
  wasi-libc binaryen
  # the web app's icons (rsvg-convert, then pngquant to a palette) and its
  # tests in a real browser, the fonts its pictures and pages are drawn with
  librsvg2-bin pngquant chromium
  # a sans-serif font for the window when no desktop fonts are installed, with
  # the condensed face the captions are fitted to
  fonts-dejavu-core fonts-dejavu-extra
)

# The web build's JavaScript is built with npm: Debian's Node where the
# machine has none of its own.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

# CI also builds with clang under sanitizers, fuzzes with libFuzzer and checks
# format and tidiness; builds the core and kestrion-cli with LLVM's libc++, and
# for Windows with mingw-w64, whose executables it runs under Wine; and runs
# the window under the Orca screen reader; and tests the web app in Firefox
# and in WebKitGTK (the engine of Safari), each as well as in Chromium.
if [ "${1:-}" = "--ci" ]; then
  packages+=(clang libclang-rt-14-dev clang-format clang-tidy git)
  packages+=(libc++-dev libc++abi-dev googletest g++-mingw-w64-x86-64-posix wine64)
  # the screen reader test: Orca, a window manager, and keys and clicks typed
  # into the X server
  packages+=(orca openbox xdotool)
  # the web app's browsers beside Chromium: Firefox ESR, and WebKitGTK's
  # MiniBrowser with its WebDriver (it draws on Xvfb, installed above)
  packages+=(firefox-esr webkit2gtk-driver)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
need_root() {
  if [ ${#sudo[@]} -gt 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: not root and no sudo; please $1" >&2
    exit 1
  fi
}

# The builds compile a few sources from Debian's own source packages (musl's
# elementary functions, ERFA; for the web, LLVM's C++ runtime and GeographicLib),
# fetched with apt-get source: that needs deb-src entries for the same mirror
# and suite as the binary packages.
enable_debian_sources() {
  local list=/etc/apt/sources.list.d/kestrion-deb-src.sources
  if [ -f "$list" ]; then
    return
  fi
  # The mirror the binary packages of bookworm main come from (the $(...) are
  # apt's placeholders).
  local mirror
  # shellcheck disable=SC2016
  mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Created-By: Packages' 2>/dev/null | awk '$2 == "bookworm" && $3 == "main" { print $1; exit }')
  need_root "add the deb-src entries in $list"
  echo "install-deps: adding deb-src entries ($list)"
  printf '%s\n' 'Types: deb-src' "URIs: ${mirror:-http://deb.debian.org/debian/}" \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    "${sudo[@]}" tee "$list" >/dev/null
  sources_added=1
}
sources_added=0
enable_debian_sources

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are installed"
  if [ "$sources_added" -eq 1 ]; then
    "${sudo[@]}" apt-get update -q
  fi
else
  need_root "install: ${missing[*]}"
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The locale tests run the calculator under two locales that write a decimal
# comma; generate them once.
gen=()
for l in de_DE fr_FR; do
  if ! locale -a 2>/dev/null | grep -qix "$l.utf-\?8"; then
    gen+=("$l")
  fi
done
if [ ${#gen[@]} -gt 0 ]; then
  need_root "generate the locales ${gen[*]/%/.UTF-8}"
  echo "install-deps: generating the locales ${gen[*]/%/.UTF-8}"
  for l in "${gen[@]}"; do
    if ! grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen; then
      echo "$l.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
  done
  "${sudo[@]}" locale-gen
fi
