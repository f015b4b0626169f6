#!/usr/bin/env bash
# The Debian package built by CPack from the test build: its contents list and
# its dependencies, computed from the binaries.
set -euo pipefail
BUILD="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
ID=net.tarnwell.Markloom

(cd "$BUILD" && cpack -G DEB -B "$WORK" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log" >&2; fail "cpack"; }
DEB="$(ls "$WORK"/markloom_5.0_*.deb)"
dpkg-deb -c "$DEB" | awk '{ print $6 }' | sed 's|^\./|/|' > "$WORK/contents"
for f in /usr/bin/markloom /usr/bin/markloom-cli \
         /usr/share/markloom/Extensions/charsa.qdf /usr/share/markloom/Help/index.htm \
         "/usr/share/applications/$ID.desktop" "/usr/share/metainfo/$ID.metainfo.xml" \
         "/usr/share/icons/hicolor/scalable/apps/$ID.svg" "/usr/share/icons/hicolor/48x48/apps/$ID.png" \
         "/usr/share/icons/hicolor/128x128/apps/$ID.png" \
         /usr/share/man/man1/markloom.1 /usr/share/man/man1/markloom-cli.1 \
         /usr/share/bash-completion/completions/markloom-cli; do
  grep -qx -- "$f" "$WORK/contents" || fail "not in the package: $f"
done
! grep -q "test_\|_replay\|/bench" "$WORK/contents" || fail "test programs in the package"
depends="$(dpkg-deb -f "$DEB" Depends)"
for lib in libqt6widgets6 libqscintilla2-qt6 libcurl4 libhunspell; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$DEB" Package)" = markloom ] || fail "package name"
echo "package test passed"
