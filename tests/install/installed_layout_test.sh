#!/usr/bin/env bash
# The installed program used by an ordinary user: `cmake --install` into a
# prefix the user cannot write (root-owned, 0755, when run as root; otherwise
# the user's own made read-only), then, as that user, with MARKLOOM_HOME unset,
# markloom-installed-check runs from the prefix's bin folder: Preferences OK,
# the five Tidy commands, the scheme editor's Save, Open from Web's recent
# list, preview, WML preview and the download timer. Afterwards nothing in the
# prefix may have changed and the user's folder holds what they wrote.
set -euo pipefail
BUILD="$1"
CHECK="$2"
HERE="$(cd "$(dirname "$0")" && pwd)"
WORK="$(mktemp -d)"
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

P="$WORK/prefix"
cmake --install "$BUILD" --prefix "$P" >/dev/null
cp "$CHECK" "$P/bin/markloom-installed-check"
chmod 755 "$WORK"
if [ "$(id -u)" -eq 0 ]; then
  # shellcheck source=../support/test_users.sh
  . "$HERE/../support/test_users.sh"
  ensure_test_users
  chown -R root:root "$P" && chmod -R go-w,a+rX "$P"
  RUN_AS=(setpriv --reuid="$(id -u "$MARKLOOM_TEST_USER")" --regid="$(id -g "$MARKLOOM_TEST_USER")" --clear-groups --)
  OWNER="$MARKLOOM_TEST_USER"
else
  chmod -R a-w "$P"
  RUN_AS=()
  OWNER="$(id -un)"
fi
mkdir -m 700 "$WORK/home" "$WORK/run"
chown "$OWNER" "$WORK/home" "$WORK/run"

snapshot() { (cd "$P" && find . -printf '%p %s %T@ %m %u\n' | sort); }
snapshot > "$WORK/before"

status=0
env -u MARKLOOM_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u MARKLOOM_PLUG_NAME \
  HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" QT_QPA_PLATFORM=offscreen \
  "${RUN_AS[@]}" "$P/bin/markloom-installed-check" || status=$?
[ "$status" -eq 0 ] || fail "the commands failed against the installed layout (exit $status)"

snapshot > "$WORK/after"
diff "$WORK/before" "$WORK/after" || fail "the prefix changed"
USERDATA="$WORK/home/.local/share/Tarnwell/Markloom 5.0"
for f in Extensions/tags.txt Extensions/webrecent.qdf Extensions/schemes/perl.sch tidy.tmp Prt335.htm waptmp.tmp tmpsor.htm; do
  [ -f "$USERDATA/$f" ] || fail "not in the user's folder: $f"
done
[ "$(stat -c %a "$USERDATA")" = 700 ] || fail "the user's folder is not owner-only: $(stat -c %a "$USERDATA")"
echo "installed layout: every command wrote to the user's folder and nothing in the prefix changed"
