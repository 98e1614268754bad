#!/usr/bin/env bash
# The Debian package of a build folder: cpack makes it, it holds the copyright notice, the
# changelog and compressed manual pages, and lintian reports no error on it (its warnings are
# printed). deb_package.sh BUILD_DIR. Exits 77 (skipped) without cpack's DEB tools or lintian.
set -u
build=$1
for tool in cpack dpkg-deb lintian; do
  command -v $tool > /dev/null || { echo "no $tool: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.txt" 2>&1) ||
  { cat "$work/cpack.txt"; fail "cpack -G DEB"; }
deb=$(ls "$work"/*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package made"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/share/doc/orvante/copyright ./usr/share/doc/orvante/changelog.gz \
  ./usr/share/man/man6/orvante.6.gz ./usr/bin/orvante; do
  grep -q " $file\$" <<< "$contents" || fail "the package lacks $file"
done
grep -qE '/man/man6/[^ ]*\.6$' <<< "$contents" && fail "a manual page is not compressed"
lintian --tag-display-limit 0 "$deb" > "$work/lintian.txt" 2>&1
cat "$work/lintian.txt"
grep -q '^E: ' "$work/lintian.txt" && fail "lintian reports errors"
echo "package $(basename "$deb"): $(grep -c '^W: ' "$work/lintian.txt") lintian warnings, no error"
