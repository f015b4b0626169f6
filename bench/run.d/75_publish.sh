#!/usr/bin/env bash
# Site publishing: a generated site of 1,000 files in nested folders (mixed
# sizes, 14 MB in all) sent to an empty folder of the fixture FTP server
# (pyftpdlib on 127.0.0.1, one thread per connection so several connections
# can work at once) by markloom-cli publish with one and with four
# connections, and by lftp's "mirror -R" with one and with four, in the same
# run; then a second run of each over the unchanged site (nothing to send).
# Prints the best of 3 wall times. Installs lftp itself if it is missing.
set -euo pipefail
dir="$WORK/publish"
rm -rf "$dir"
mkdir -p "$dir/root" "$dir/home"

if ! command -v lftp >/dev/null; then
  (apt-get install -y -qq lftp >/dev/null 2>&1 ||
    { apt-get update -qq >/dev/null 2>&1 && apt-get install -y -qq lftp >/dev/null 2>&1; }) ||
    echo "lftp: apt install failed; left out"
fi

# 10 sections x 10 folders x 10 files; most files small pages and images,
# some larger, a few of a megabyte or more.
/usr/bin/python3 - "$dir/site" <<'PY'
import os, random, sys
top = sys.argv[1]
rng = random.Random(7)
kinds = [".html", ".css", ".js", ".png", ".jpg", ".gif"]
for s in range(10):
    for f in range(10):
        folder = os.path.join(top, "section%d" % s, "part%d" % f)
        os.makedirs(folder)
        for n in range(10):
            roll = rng.random()
            size = rng.randint(200, 8000) if roll < 0.85 else rng.randint(20000, 120000) if roll < 0.99 else rng.randint(1000000, 2000000)
            kind = rng.choice(kinds)
            with open(os.path.join(folder, "file%d%s" % (n, kind)), "wb") as out:
                if kind in (".html", ".css", ".js"):  # text, as Auto sends it
                    line = b"<p>" + bytes(rng.choice(b"abcdefghij klmnop") for _ in range(70)) + b"</p>\n"
                    out.write((line * (size // len(line) + 1))[:size])
                else:
                    out.write(rng.randbytes(size))
PY
echo "site: $(find "$dir/site" -type f | wc -l) files, $(du -sm "$dir/site" | cut -f1) MB"

FIXTURE_THREADED=1 /usr/bin/python3 tests/support/ftp_fixture.py "$dir/root" "$dir/server.log" > "$dir/port" &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$dir/port" ] && break; sleep 0.1; done
port=$(awk '{print $2}' "$dir/port")

export MARKLOOM_HOME="$dir/home" MARKLOOM_PASSWORD=secret
markloom() {  # jobs, remote folder
  "$BIN/markloom-cli" publish --jobs "$1" "$dir/site" "ftp://web@127.0.0.1:$port/$2" > "$dir/out-$2"
}
lftp_mirror() {  # parallel, remote folder
  lftp -u web,secret -e "set cmd:fail-exit yes; mirror -R --parallel=$1 $dir/site /$2; quit" \
    "ftp://127.0.0.1:$port" > "$dir/out-$2"
}
steps=(markloom-1 markloom-4)
command -v lftp >/dev/null && steps+=(lftp-1 lftp-4)
declare -A best=() again=()
seconds() {  # wall-clock seconds of a command
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
keep() {  # table key value: keeps the smaller
  local -n table=$1
  if [ -z "${table[$2]:-}" ] || awk -v t="$3" -v b="${table[$2]}" 'BEGIN { exit !(t < b) }'; then table[$2]=$3; fi
}
# Three rounds, each tool in turn, so a busy moment falls on all of them. Each
# run gets a folder of its own: with threads, pyftpdlib changes the process's
# working folder for CWD, and a folder removed under it breaks every later login.
for round in 1 2 3; do
  for step in "${steps[@]}"; do
    tool=${step%-*} jobs=${step#*-} target="$step-$round"
    rm -rf "$dir/home/Publish"
    keep best "$step" "$(seconds "${tool/lftp/lftp_mirror}" "$jobs" "$target")"
    diff -r "$dir/site" "$dir/root/$target" >/dev/null || { echo "$step: the copy differs"; exit 1; }
    keep again "$step" "$(seconds "${tool/lftp/lftp_mirror}" "$jobs" "$target")"
    if [ "$tool" = markloom ]; then
      grep -q "^0 sent" "$dir/out-$target" || { echo "$step: the second run sent files"; exit 1; }
    fi
  done
done

printf '%-12s %-12s %14s %14s\n' tool connections "first run s" "second run s"
for step in "${steps[@]}"; do
  printf '%-12s %-12s %14s %14s\n' "${step%-*}" "${step#*-}" "${best[$step]}" "${again[$step]}"
done
