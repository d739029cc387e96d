#!/usr/bin/env bash
# The pieces the WebAssembly build needs and Debian 12 does not ship ready:
#  - libc++abi and libunwind with WebAssembly exception handling. Debian's
#    wasm32 libc++ has its ABI library built without exceptions, so a
#    floating-point fault could not be caught. They are compiled from Debian's
#    own LLVM source, the version of the installed libc++, with Debian's
#    patches to those sources applied.
#  - GeographicLib's source, the version of the native build's library, which
#    the web preset compiles (cmake/web/GeographicLib.cmake).
# The result is a sysroot in build/web-runtime: wasi-libc and Debian's libc++
# by symlink, with the ABI library replaced. It is rebuilt only when this
# script or those packages change. Needs deb-src entries
# (scripts/install-deps.sh adds them).
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/web-runtime
llvm=llvm-toolchain-19
clang=clang++-19
wasi_lib=/usr/lib/wasm32-wasi
wasi_include=/usr/include/wasm32-wasi

source_version() {
  dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null ||
    { echo "web-runtime: $1 is not installed; run scripts/install-deps.sh" >&2; exit 1; }
}
llvm_version=$(source_version libc++-19-dev-wasm32)
geo_version=$(source_version libgeographiclib-dev)
stamp="$(sha256sum "$0" | cut -c1-16) $llvm $llvm_version geographiclib $geo_version"
if [ "$(cat "$out/stamp" 2>/dev/null)" = "$stamp" ]; then
  echo "web-runtime: up to date ($out)"
  exit 0
fi

start=$SECONDS
work=$out.tmp
rm -rf "$work" "$out"
mkdir -p "$work/download" "$work/llvm" "$work/objects" "$work/sysroot/include" \
  "$work/sysroot/lib/wasm32-wasi"

echo "web-runtime: fetching the sources of $llvm $llvm_version and geographiclib $geo_version"
(cd "$work/download" && apt-get source -q --download-only "$llvm=$llvm_version" \
  "geographiclib=$geo_version" >apt.log 2>&1) || {
  cat "$work/download/apt.log" >&2
  echo "web-runtime: apt-get source failed; scripts/install-deps.sh adds the deb-src entries" >&2
  exit 1
}

# Applies the Debian patches of a package that change its compiled sources
# (those under the given folders); the others touch what is not unpacked.
apply_debian_patches() {
  local tree=$1 debian_tar=$2 folders=$3 patches patch
  patches=$(mktemp -d)
  tar -xJf "$debian_tar" -C "$patches" debian/patches 2>/dev/null || { rm -rf "$patches"; return; }
  while read -r patch _; do
    case $patch in '' | '#'*) continue ;; esac
    if grep -E '^\+\+\+ ' "$patches/debian/patches/$patch" | awk '{print $2}' | cut -d/ -f2- |
      grep -qE "^($folders)/"; then
      echo "web-runtime: applying Debian's $patch"
      patch -d "$tree" -p1 -s <"$patches/debian/patches/$patch"
    fi
  done <"$patches/debian/patches/series"
  rm -rf "$patches"
}

# Only the runtime sources of LLVM's 164 MB source are unpacked.
tar -xJf "$work"/download/${llvm}_*.orig.tar.xz -C "$work/llvm" --strip-components=1 \
  --wildcards '*/libcxxabi/src/*' '*/libcxxabi/include/*' '*/libunwind/src/*' \
  '*/libunwind/include/*' '*/libcxx/src/include/*'
apply_debian_patches "$work/llvm" "$(echo "$work"/download/${llvm}_*.debian.tar.xz)" \
  'libcxxabi/src|libcxxabi/include|libunwind/src|libunwind/include'

mkdir -p "$work/geographiclib"
tar -xzmf "$work"/download/geographiclib_*.orig.tar.gz -C "$work/geographiclib" \
  --strip-components=1 --wildcards '*/src/*' '*/include/*' '*/LICENSE.txt' '*/VERSION'
apply_debian_patches "$work/geographiclib" \
  "$(echo "$work"/download/geographiclib_*.debian.tar.xz)" 'src|include'

# The sysroot: wasi-libc's headers and libraries as installed.
ln -s "$wasi_include" "$work/sysroot/include/wasm32-wasi"
for f in "$wasi_lib"/*; do
  ln -s "$f" "$work/sysroot/lib/wasm32-wasi/$(basename "$f")"
done
lib=$work/sysroot/lib/wasm32-wasi
rm "$lib/libc++.a" "$lib/libc++abi.a"

# The ABI library as Debian configures it for wasm32 (no threads, a silent
# terminate handler, so no demangler), with exceptions on.
flags=(--target=wasm32-wasi "--sysroot=$work/sysroot" -std=c++20 -O2 -DNDEBUG -fwasm-exceptions
  -ffp-contract=off -fno-fast-math -D_LIBCXXABI_BUILDING_LIBRARY -D_LIBCPP_BUILDING_LIBRARY
  -D_LIBCXXABI_HAS_NO_THREADS -DLIBCXXABI_USE_LLVM_UNWINDER -DLIBCXXABI_SILENT_TERMINATE
  -I "$work/llvm/libcxxabi/include" -I "$work/llvm/libcxx/src" -I "$work/llvm/libcxx/src/include"
  -I "$work/llvm/libunwind/include")
abi_sources=(cxa_aux_runtime cxa_default_handlers cxa_exception cxa_exception_storage cxa_guard
  cxa_handlers cxa_personality cxa_vector cxa_virtual stdlib_exception stdlib_stdexcept
  stdlib_typeinfo abort_message fallback_malloc private_typeinfo stdlib_new_delete)
echo "web-runtime: compiling libc++abi (${#abi_sources[@]} sources) and libunwind"
pids=()
for s in "${abi_sources[@]}"; do
  "$clang" "${flags[@]}" -c "$work/llvm/libcxxabi/src/$s.cpp" -o "$work/objects/$s.cpp.o" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$(nproc)" ]; then
    wait "${pids[0]}"
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p"; done
clang-19 --target=wasm32-wasi "--sysroot=$work/sysroot" -O2 -DNDEBUG -fwasm-exceptions \
  -D_LIBUNWIND_HIDE_SYMBOLS -I "$work/llvm/libunwind/include" -c "$work/llvm/libunwind/src/Unwind-wasm.c" \
  -o "$work/objects/Unwind-wasm.c.o"
llvm-ar-19 rcs "$lib/libc++abi.a" "$work"/objects/*.o

# Debian's libc++ carries its ABI library inside: take those members out
# (and the no-exception stand-ins), so the one above is used.
cp "$wasi_lib/libc++.a" "$lib/libc++.a"
mapfile -t abi_members < <(llvm-ar-19 t "$wasi_lib/libc++abi.a")
llvm-ar-19 d "$lib/libc++.a" "${abi_members[@]}"
llvm-ar-19 s "$lib/libc++.a"

rm -rf "$work/download" "$work/objects" "$work/llvm"
mv "$work" "$out"
echo "$stamp" >"$out/stamp"
echo "web-runtime: built $out in $((SECONDS - start)) s"
