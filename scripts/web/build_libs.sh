#!/usr/bin/env bash
# Builds the game's libraries for the browser (zlib, libpng, libjpeg, libtiff, libogg,
# libvorbis, SDL2) with emcc from Debian's source packages, into a prefix kept in the user's
# cache: ${XDG_CACHE_HOME:-~/.cache}/orvante-web/libs-<key>, where the key is made of the
# source versions, the compiler's version and this script (its flags). A prefix that exists is
# used as it is, so repeated builds on one machine compile the libraries once.
# Prints the prefix on its last line.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvante-web
jobs=${ORV_JOBS:-2}
mkdir -p "$cache"
export NODE_PATH=/usr/share/nodejs  # emcc's optimiser, whatever node comes first on the PATH

# A private apt configuration that knows the main archive's sources; the system's is untouched.
apt_dir=$cache/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts"
cat > "$apt_dir/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
LIST
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
          -o "Dir::State::Lists=$apt_dir/lists" -o "APT::Sandbox::User=root")
packages=(zlib libpng1.6 libjpeg-turbo tiff libogg libvorbis libsdl2)

versions=""
if apt-get "${apt_opts[@]}" -qq update > "$apt_dir/update.log" 2>&1; then
  versions=$(apt-get "${apt_opts[@]}" source --print-uris "${packages[@]}" 2>/dev/null |
               grep -o "[^/' ]*\.dsc'" | sort | tr -d "'\n")
fi
if [ -z "$versions" ]; then
  # Offline: the newest prefix built before, when there is one.
  latest=$(ls -td "$cache"/libs-*/ 2>/dev/null | head -n 1 || true)
  if [ -n "$latest" ] && [ -f "$latest/done" ]; then echo "${latest%/}"; exit 0; fi
  echo "build_libs: cannot reach the Debian archive for the library sources" >&2
  cat "$apt_dir/update.log" >&2
  exit 1
fi
key=$( { echo "$versions"; emcc --version | head -n 1; cat "$0"; } | sha256sum | cut -c1-16)
prefix=$cache/libs-$key
if [ -f "$prefix/done" ]; then echo "$prefix"; exit 0; fi

work=$cache/work-$key
# Left-overs of builds that did not finish.
for old in "$cache"/libs-*/ "$cache"/work-*/; do
  [ -d "$old" ] && [ ! -f "$old/done" ] && rm -rf "$old"
done
rm -rf "$work" "$prefix"
mkdir -p "$work/src" "$prefix"
cd "$work/src"
apt-get "${apt_opts[@]}" -qq source --download-only "${packages[@]}" > /dev/null
for dsc in *.dsc; do dpkg-source --skip-debianization -q -x "$dsc" > /dev/null 2>&1 ||
  dpkg-source -q -x "$dsc" > /dev/null; done

flags="-O2"
cmake_common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
              -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix"
              -DCMAKE_C_FLAGS="$flags" -DCMAKE_POLICY_DEFAULT_CMP0074=NEW
              -DBUILD_SHARED_LIBS=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$here/node_run.sh")
build() {  # build <name> <source folder> [cmake options...]
  local name=$1 dir=$2; shift 2
  echo "build_libs: $name" >&2
  emcmake cmake -S "$dir" -B "$work/build-$name" "${cmake_common[@]}" "$@" \
    > "$work/$name.log" 2>&1 || { cat "$work/$name.log" >&2; exit 1; }
  nice cmake --build "$work/build-$name" -j "$jobs" >> "$work/$name.log" 2>&1 &&
    cmake --install "$work/build-$name" >> "$work/$name.log" 2>&1 ||
    { tail -n 40 "$work/$name.log" >&2; exit 1; }
}
src() { ls -d "$work/src/$1"-*/ | head -n 1; }

# zlib's own configure script (its CMake file wants Windows files the Debian source leaves out).
echo "build_libs: zlib" >&2
(cd "$(src zlib)" && CFLAGS="$flags" emconfigure ./configure --static --prefix="$prefix" &&
  nice emmake make -j "$jobs" libz.a && emmake make install) > "$work/zlib.log" 2>&1 ||
  { tail -n 40 "$work/zlib.log" >&2; exit 1; }
zlib=(-DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a")
build png "$(src libpng1.6)" "${zlib[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF -Dld-version-script=OFF
build jpeg "$(src libjpeg-turbo)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -DREQUIRE_SIMD=OFF
build tiff "$(src tiff)" "${zlib[@]}" -DJPEG_INCLUDE_DIR="$prefix/include" \
  -DJPEG_LIBRARY="$prefix/lib/libjpeg.a" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
  -Dtiff-docs=OFF -Dtiff-opengl=OFF -Dcxx=OFF -Dzlib=ON -Djpeg=ON -Dold-jpeg=OFF -Djbig=OFF \
  -Dlerc=OFF -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF -Dlibdeflate=OFF -Dpixarlog=OFF
build ogg "$(src libogg)" -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF
build vorbis "$(src libvorbis)" -DOGG_INCLUDE_DIR="$prefix/include" \
  -DOGG_LIBRARY="$prefix/lib/libogg.a" -DBUILD_TESTING=OFF
build sdl2 "$(src libsdl2)" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
  -DSDL_PTHREADS=OFF -DSDL_STATIC_PIC=OFF

echo "$versions" > "$prefix/versions"
touch "$prefix/done"
rm -rf "$work"
echo "$prefix"
