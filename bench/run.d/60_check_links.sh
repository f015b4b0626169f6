#!/usr/bin/env bash
# Link checking: a page of 500 distinct links to the fixture server on
# 127.0.0.1, which answers each request after 50 ms, checked by
# markloom-cli check-links beside linkinator (npm, version 6) and linkchecker
# (Debian package) in the same run. Prints the wall time and links per second
# of each (best of 3). Installs the peers itself; a peer that cannot be
# installed is left out with a note.
set -euo pipefail
dir="$WORK/links"
mkdir -p "$dir"
links=500

if [ ! -x "$WORK/npm/node_modules/.bin/linkinator" ]; then
  npm install --silent --no-audit --no-fund --prefix "$WORK/npm" linkinator@6 >/dev/null 2>&1 ||
    echo "linkinator: npm install failed; left out"
fi
if ! command -v linkchecker >/dev/null; then
  (apt-get install -y -qq linkchecker >/dev/null 2>&1 ||
    { apt-get update -qq >/dev/null 2>&1 && apt-get install -y -qq linkchecker >/dev/null 2>&1; }) ||
    echo "linkchecker: apt install failed; left out"
fi

/usr/bin/python3 tests/support/http_fixture.py "$dir/requests.log" > "$dir/ports" &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$dir/ports" ] && break; sleep 0.1; done
port=$(awk '{print $2}' "$dir/ports")

/usr/bin/python3 - "$dir/page.htm" "$port" "$links" <<'PY'
import sys
path, port, n = sys.argv[1], sys.argv[2], int(sys.argv[3])
with open(path, "w") as f:
    f.write("<html><body>\n")
    for i in range(n):
        f.write('<p><a href="http://127.0.0.1:%s/slow?ms=50&amp;i=%d">link %d</a></p>\n' % (port, i, i))
    f.write("</body></html>\n")
PY
# The fixture reads "&amp;" literally as a query key; every address still differs.

best() {  # best of 3 wall-clock seconds of a command
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    local t
    t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  echo "$best"
}

report() {
  awk -v name="$1" -v t="$2" -v n="$links" 'BEGIN { printf "%-28s %8.2f s  %8.1f links/s\n", name, t, n / t }'
}

report "markloom-cli check-links" "$(best "$BIN/markloom-cli" check-links "$dir/page.htm")"
if [ -x "$WORK/npm/node_modules/.bin/linkinator" ]; then
  report "linkinator 6" "$(best "$WORK/npm/node_modules/.bin/linkinator" "$dir/page.htm")"
fi
if command -v linkchecker >/dev/null; then
  report "linkchecker" "$(best linkchecker --check-extern --no-status -q "$dir/page.htm")"
fi
