#!/usr/bin/env bash
# Site publishing: uploads then downloads 200 files of 10 KB and one file of
# 100 MB through the fixture FTP server (pyftpdlib, tests/support/ftp_fixture.py)
# on 127.0.0.1, with Markloom's transfer client (markloom_transfer_bench: one
# session, one put or get per file, binary mode, as the Hostdeck window does)
# and with curl on one connection (one command, every file in a --config
# list), in the same run. Prints the best of 3 wall times with files/s for the
# small files and MB/s for the big one. Installs curl itself if it is missing.
set -euo pipefail
dir="$WORK/transfer"
rm -rf "$dir"
mkdir -p "$dir/root/markloom" "$dir/root/curl" "$dir/small" "$dir/big" "$dir/down-markloom" "$dir/down-curl"
files=200

if ! command -v curl >/dev/null; then
  (apt-get install -y -qq curl >/dev/null 2>&1 ||
    { apt-get update -qq >/dev/null 2>&1 && apt-get install -y -qq curl >/dev/null 2>&1; }) ||
    echo "curl: apt install failed; left out"
fi

/usr/bin/python3 - "$dir" "$files" <<'PY'
import os, sys
out, n = sys.argv[1], int(sys.argv[2])
for i in range(n):
    with open(os.path.join(out, "small", "page%03d.html" % i), "wb") as f:
        f.write(os.urandom(10 * 1024))
with open(os.path.join(out, "big", "site.tar"), "wb") as f:
    for _ in range(100):
        f.write(os.urandom(1024 * 1024))
PY
(cd "$dir/small" && ls) > "$dir/names"

/usr/bin/python3 tests/support/ftp_fixture.py "$dir/root" "$dir/server.log" > "$dir/port" &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$dir/port" ] && break; sleep 0.1; done
port=$(awk '{print $2}' "$dir/port")
ftp="ftp://127.0.0.1:$port"

# curl's lists: one command and one connection for all the files of a step.
while read -r name; do
  printf 'upload-file = "%s"\nurl = "%s/curl/%s"\n' "$dir/small/$name" "$ftp" "$name"
done < "$dir/names" > "$dir/curl-put.conf"
while read -r name; do
  printf 'url = "%s/curl/%s"\noutput = "%s"\n' "$ftp" "$name" "$dir/down-curl/$name"
done < "$dir/names" > "$dir/curl-get.conf"

mk="$BIN/markloom_transfer_bench"
declare -A steps=(
  [markloom-put-small]="$mk $port put $dir/small /markloom @$dir/names"
  [markloom-get-small]="$mk $port get $dir/down-markloom /markloom @$dir/names"
  [markloom-put-big]="$mk $port put $dir/big /markloom site.tar"
  [markloom-get-big]="$mk $port get $dir/down-markloom /markloom site.tar"
  [curl-put-small]="curl -sS -u web:secret --config $dir/curl-put.conf"
  [curl-get-small]="curl -sS -u web:secret --config $dir/curl-get.conf"
  [curl-put-big]="curl -sS -u web:secret -T $dir/big/site.tar $ftp/curl/site.tar"
  [curl-get-big]="curl -sS -u web:secret -o $dir/down-curl/site.tar $ftp/curl/site.tar"
)
declare -A best=()
timed() {  # wall-clock seconds of one step; a failing step stops the piece
  local start end
  start=$(date +%s.%N)
  ${steps[$1]} >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
tools=(markloom)
command -v curl >/dev/null && tools+=(curl)
# Three rounds; each round runs every step of both tools in turn, so a busy
# moment on the machine falls on both.
for _ in 1 2 3; do
  for step in put-small get-small put-big get-big; do
    for tool in "${tools[@]}"; do
      t=$(timed "$tool-$step")
      key="$tool-$step"
      if [ -z "${best[$key]:-}" ] || awk -v t="$t" -v b="${best[$key]}" 'BEGIN { exit !(t < b) }'; then best[$key]=$t; fi
    done
  done
done

# Every copy arrived whole.
for tool in "${tools[@]}"; do
  while read -r name; do
    cmp -s "$dir/small/$name" "$dir/root/$tool/$name" && cmp -s "$dir/small/$name" "$dir/down-$tool/$name" ||
      { echo "$tool: $name differs"; exit 1; }
  done < "$dir/names"
  cmp -s "$dir/big/site.tar" "$dir/root/$tool/site.tar" && cmp -s "$dir/big/site.tar" "$dir/down-$tool/site.tar" ||
    { echo "$tool: site.tar differs"; exit 1; }
done

printf '%-10s %-28s %9s %12s\n' tool step "best s" rate
for tool in "${tools[@]}"; do
  for step in put-small get-small; do
    awk -v tool="$tool" -v step="$step" -v t="${best[$tool-$step]}" -v n="$files" \
      'BEGIN { printf "%-10s %-28s %9.3f %8.1f files/s\n", tool, step " (" n " x 10 KB)", t, n / t }'
  done
  for step in put-big get-big; do
    awk -v tool="$tool" -v step="$step" -v t="${best[$tool-$step]}" \
      'BEGIN { printf "%-10s %-28s %9.3f %8.1f MB/s\n", tool, step " (100 MB)", t, 100 / t }'
  done
done
