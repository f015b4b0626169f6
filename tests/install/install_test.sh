#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the usual layout, the desktop
# entry and AppStream data pass their validators, and the installed programs,
# moved elsewhere with their prefix, still find the shipped data.
set -euo pipefail
BUILD="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
ID=net.tarnwell.Markloom

cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null
for f in bin/markloom bin/markloom-cli \
         share/markloom/Extensions/charsa.qdf share/markloom/Extensions/qdtidyformat.qdf \
         share/markloom/Help/index.htm \
         "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$ID.svg" \
         "share/icons/hicolor/48x48/apps/$ID.png" "share/icons/hicolor/128x128/apps/$ID.png" \
         share/man/man1/markloom.1 share/man/man1/markloom-cli.1 \
         share/bash-completion/completions/markloom-cli; do
  [ -e "$WORK/prefix/$f" ] || fail "not installed: $f"
done
[ -x "$WORK/prefix/bin/markloom" ] || fail "markloom is not executable"
[ ! -e "$WORK/prefix/bin/Extensions" ] || fail "data installed beside the programs"
file "$WORK/prefix/share/icons/hicolor/48x48/apps/$ID.png" | grep -q "48 x 48" || fail "48 px icon has the wrong size"
file "$WORK/prefix/share/icons/hicolor/128x128/apps/$ID.png" | grep -q "128 x 128" || fail "128 px icon has the wrong size"

desktop-file-validate "$WORK/prefix/share/applications/$ID.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$WORK/prefix/share/metainfo/$ID.metainfo.xml" || fail "appstreamcli validate"
man -l "$WORK/prefix/share/man/man1/markloom.1" >/dev/null 2>&1 || [ ! -x "$(command -v man)" ] || fail "markloom.1 does not format"

# A relocated prefix works as well: the data is found from the executable.
mv "$WORK/prefix" "$WORK/moved"
P="$WORK/moved"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
export XDG_RUNTIME_DIR="$WORK/run" MARKLOOM_PLUG_NAME="markloom-install-test-$$"
unset MARKLOOM_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

printf '<p bogus="1">one</p>\n' > "$WORK/page.html"
set +e
"$P/bin/markloom-cli" validate "$WORK/page.html" > "$WORK/validate.out"
status=$?
set -e
[ "$status" -eq 1 ] || fail "validate exited $status"
grep -q "BOGUS" "$WORK/validate.out" || fail "validate did not report the unknown tag: $(cat "$WORK/validate.out")"

# tidy's configurations come from the installed Extensions folder.
if command -v tidy >/dev/null; then
  "$P/bin/markloom-cli" tidy --format "$WORK/page.html" -o "$WORK/tidied.html" 2> "$WORK/tidy.err" || true
  ! grep -q "configuration file" "$WORK/tidy.err" || fail "tidy configuration not found: $(cat "$WORK/tidy.err")"
  [ -s "$WORK/tidied.html" ] || fail "tidy wrote nothing"
fi

# The editor starts from there, loads its side panel's data without an error
# and quits at the first idle moment.
set +e
QT_QPA_PLATFORM=offscreen MARKLOOM_QUIT_WHEN_SHOWN=1 timeout 60 "$P/bin/markloom" 2> "$WORK/editor.err"
status=$?
set -e
[ "$status" -eq 0 ] || fail "the installed editor exited $status: $(cat "$WORK/editor.err")"
! grep -q "^markloom: " "$WORK/editor.err" || fail "the installed editor reported: $(cat "$WORK/editor.err")"
[ -f "$XDG_CONFIG_HOME/Tarnwell/Markloom 5.0.ini" ] || fail "the editor wrote no settings"

"$P/bin/markloom" --version | grep -qx "markloom 5.0" || fail "markloom --version"
"$P/bin/markloom-cli" --version | grep -qx "markloom-cli 5.0" || fail "markloom-cli --version"

# Completion offers the commands and a command's options.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _markloom_cli; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$P/share/bash-completion/completions/markloom-cli" "$@"
}
complete_words "$P/bin/markloom-cli" "val" | grep -qx "validate" || fail "completion of commands"
complete_words "$P/bin/markloom-cli" "validate" "--fo" | grep -qx -- "--format" || fail "completion of options"
echo "install test passed"
