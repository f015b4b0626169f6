#!/usr/bin/env bash
# Two local users and the editor's channel. Another user plants a listening
# socket at every place the user's editor might look for its channel, before
# the user's editor starts; then `markloom-cli send-lines` fails and hands
# over nothing, `markloom page.htm` starts its own window, and the planted
# sockets never see a connection. Needs root (to act as both users).
set -euo pipefail
BIN="$1"
HERE="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../support/test_users.sh
. "$HERE/../support/test_users.sh"
[ "$(id -u)" -eq 0 ] || { echo "needs root to act as two users"; exit 77; }
ensure_test_users

WORK="$(mktemp -d)"
LISTENERS=()
cleanup() {
  local pid
  for pid in "${LISTENERS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

chmod 755 "$WORK"
USER_UID="$(id -u "$MARKLOOM_TEST_USER")"
SHARED="$WORK/tmp"   # the temp folder every user shares, as /tmp
mkdir -m 1777 "$SHARED" && chmod 1777 "$SHARED"
mkdir -m 700 "$WORK/home" "$WORK/run" && chown "$MARKLOOM_TEST_USER:" "$WORK/home" "$WORK/run"
printf '<p>page</p>\n' > "$WORK/page.htm" && chmod 644 "$WORK/page.htm"

# plant PATH: the peer listens at PATH and logs every connection and byte to PATH.log.
plant() {
  local path="$1"
  setpriv --reuid="$(id -u "$MARKLOOM_PEER_USER")" --regid="$(id -g "$MARKLOOM_PEER_USER")" --clear-groups -- \
    /usr/bin/python3 -c '
import os, socket, sys
path = sys.argv[1]
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
os.chmod(path, 0o777)
server.listen(8)
server.settimeout(90)
with open(path + ".log", "ab", buffering=0) as log:
    log.write(b"")
    while True:
        try:
            conn, _ = server.accept()
        except socket.timeout:
            break
        log.write(b"connection\n")
        conn.settimeout(2)
        try:
            while True:
                data = conn.recv(4096)
                if not data:
                    break
                log.write(data)
        except socket.timeout:
            pass
        conn.close()
' "$path" &
  LISTENERS+=("$!")
  local i
  for i in $(seq 1 100); do [ -S "$path" ] && [ -e "$path.log" ] && return 0; sleep 0.05; done
  fail "the peer's listener at $path did not start"
}

# as_victim [XDG_RUNTIME_DIR] COMMAND...: the user's own process.
as_victim() {
  local runtime="$1"
  shift
  env -i PATH=/usr/bin:/bin HOME="$WORK/home" TMPDIR="$SHARED" XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share" \
    QT_QPA_PLATFORM=offscreen MARKLOOM_QUIT_WHEN_SHOWN=1 \
    setpriv --reuid="$USER_UID" --regid="$(id -g "$MARKLOOM_TEST_USER")" --clear-groups -- "$@"
}

check_scene() {
  local scene="$1" runtime="$2"
  shift 2
  local status=0
  printf 'secret line\n' | as_victim "$runtime" timeout 60 "$BIN/markloom-cli" send-lines \
    > "$WORK/send.out" 2> "$WORK/send.err" || status=$?
  [ "$status" -ne 0 ] || fail "$scene: send-lines exited 0 with no editor of the user's running"
  [ "$status" -ne 124 ] || fail "$scene: send-lines hung"
  status=0
  as_victim "$runtime" timeout 60 "$BIN/markloom" "$WORK/page.htm" > "$WORK/editor.out" 2> "$WORK/editor.err" ||
    status=$?
  [ "$status" -eq 0 ] || fail "$scene: the editor did not start its own window (exit $status): $(cat "$WORK/editor.err")"
  local planted
  for planted in "$@"; do
    [ ! -s "$planted.log" ] || fail "$scene: the peer's socket $planted received: $(cat "$planted.log")"
  done
  echo "ok: $scene"
}

PEER_FOLDER="$WORK/peer"
mkdir -m 711 "$PEER_FOLDER" && chown "$MARKLOOM_PEER_USER:" "$PEER_FOLDER" && chmod 711 "$PEER_FOLDER"

# 1. The old predictable name in the shared temp folder.
plant "$SHARED/markloom-plug-$USER_UID"
# 2. The user's runtime folder name is the peer's folder (set wrongly, or made first).
plant "$PEER_FOLDER/markloom-plug"
check_scene "peer sockets at the old name and in a runtime folder of the peer's" "$PEER_FOLDER" \
  "$SHARED/markloom-plug-$USER_UID" "$PEER_FOLDER/markloom-plug"

# 3. The peer makes the user's own folder under temp first, with a socket in it.
rm -rf "$SHARED/markloom-$USER_UID"
as_user "$MARKLOOM_PEER_USER" mkdir -m 755 "$SHARED/markloom-$USER_UID"
plant "$SHARED/markloom-$USER_UID/markloom-plug"
check_scene "the peer made the user's temp folder first" "" "$SHARED/markloom-$USER_UID/markloom-plug"
grep -q "belongs to another user" "$WORK/send.err" || fail "send-lines did not say why: $(cat "$WORK/send.err")"

# 4. The same name as a link to the peer's folder.
rm -rf "$SHARED/markloom-$USER_UID"
as_user "$MARKLOOM_PEER_USER" ln -s "$PEER_FOLDER" "$SHARED/markloom-$USER_UID"
check_scene "the user's temp folder is a link to the peer's" "" "$PEER_FOLDER/markloom-plug"
grep -q "symbolic link" "$WORK/send.err" || fail "send-lines did not say why: $(cat "$WORK/send.err")"

# 5. The control: with the user's own runtime folder, a running editor of the
# user's takes the lines.
as_victim "$WORK/run" env -u MARKLOOM_QUIT_WHEN_SHOWN timeout 60 "$BIN/markloom" "$WORK/page.htm" \
  > /dev/null 2> "$WORK/editor.err" &
EDITOR_PID=$!
LISTENERS+=("$EDITOR_PID")
for i in $(seq 1 200); do [ -S "$WORK/run/markloom-plug" ] && break; sleep 0.05; done
[ -S "$WORK/run/markloom-plug" ] || fail "the user's editor made no channel: $(cat "$WORK/editor.err")"
sleep 1  # the page opens once the window is up
printf 'handed over\n' | as_victim "$WORK/run" timeout 60 "$BIN/markloom-cli" send-lines 2> "$WORK/send.err" ||
  fail "the user's own editor did not take the lines: $(cat "$WORK/send.err")"
kill "$EDITOR_PID" 2>/dev/null || true
echo "ok: the user's own editor takes the lines"
