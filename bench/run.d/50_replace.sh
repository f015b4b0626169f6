#!/usr/bin/env bash
# Extended find and replace: markloom-cli replace against `sed -i` doing the
# same replacement on an identical copy of a corpus of about 110 MB in 500
# HTML files, in the same run. Both results must be byte-identical.
# Two cases: an occurrence in every file, and in one file out of ten (sed
# rewrites every file; we leave files without an occurrence untouched).
set -euo pipefail
: "${BIN:?}" "${WORK:?}"
corpus="$WORK/replace-corpus"
rm -rf "$corpus"
mkdir -p "$corpus/base"
/usr/bin/python3 - "$corpus/base" <<'PY'
import sys, random
random.seed(20261210)
folder = sys.argv[1]
words = "the of and to in is it you that he was for on are with as his they be at one have this from".split()
for n in range(500):
    lines = []
    size = 0
    while size < 220 * 1024:
        text = " ".join(random.choice(words) for _ in range(12))
        cls = "nav" if random.random() < 0.02 else "item"
        line = f'<div class="{cls}"><a href="page{random.randint(0, 999)}.htm">{text}</a></div>\r\n'
        lines.append(line)
        size += len(line)
    body = "".join(lines)
    if n % 10 != 0:
        body = body.replace('class="nav"', 'class="item"')
    with open(f"{folder}/page{n:03d}.htm", "w", newline="") as f:
        f.write("<html><body>\r\n" + body + "</body></html>\r\n")
PY
bytes=$(du -sb "$corpus/base" | cut -f1)
mb=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }')
echo "corpus: 500 files, $mb MB"

seconds() { date +%s.%N; }
rate() { awk -v b="$bytes" -v s="$1" 'BEGIN { printf "%.0f MB/s (%.3f s)", b / 1048576 / s, s }'; }

# One timed run of a tool on a fresh copy of the corpus; prints seconds.
timed() {
  local tool=$1 find=$2 replace=$3 copy="$corpus/$1"
  rm -rf "$copy"
  cp -r "$corpus/base" "$copy"
  sync
  cat "$copy"/* > /dev/null
  local t0 t1
  t0=$(seconds)
  case "$tool" in
    ours) (cd "$copy" && "$BIN/markloom-cli" replace --find "$find" --replace "$replace" page*.htm > "$corpus/ours.log") ;;
    sed) (cd "$copy" && sed -i "s/$find/$replace/g" page*.htm) ;;
    sedsync) (cd "$copy" && sed -i "s/$find/$replace/g" page*.htm && sync -f .) ;;
  esac
  t1=$(seconds)
  awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }'
}

min() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b) ? a : b }'; }

# Each tool runs three times, alternating, on the same machine state; the best
# run counts (the machine may be shared). markloom-cli waits until the new contents are on disk before it
# renames them over the originals; plain `sed -i` does not, so it is also timed
# followed by a sync of the file system (the same guarantee).
run_case() {
  local label=$1 find=$2 replace=$3 ours sed_s synced
  ours=$(timed ours "$find" "$replace")
  sed_s=$(timed sed "$find" "$replace")
  synced=$(timed sedsync "$find" "$replace")
  local round
  for round in 2 3; do
    ours=$(min "$ours" "$(timed ours "$find" "$replace")")
    sed_s=$(min "$sed_s" "$(timed sed "$find" "$replace")")
    synced=$(min "$synced" "$(timed sedsync "$find" "$replace")")
  done
  if ! diff -r -q "$corpus/ours" "$corpus/sed" > /dev/null; then
    echo "$label: RESULTS DIFFER from sed"; exit 1
  fi
  local changed
  changed=$(grep -c '^page' "$corpus/ours.log" || true)
  echo "$label ($changed files changed):"
  printf '  markloom-cli replace      %s\n' "$(rate "$ours")"
  printf '  sed -i                    %s   markloom-cli/sed %.2fx\n' "$(rate "$sed_s")" \
    "$(awk -v a="$ours" -v b="$sed_s" 'BEGIN { print b / a }')"
  printf '  sed -i; sync -f           %s   markloom-cli/sed+sync %.2fx\n' "$(rate "$synced")" \
    "$(awk -v a="$ours" -v b="$synced" 'BEGIN { print b / a }')"
}

run_case "occurrences in every file" 'class="item"' 'class="entry"'
run_case "occurrences in 1 file of 10" 'class="nav"' 'class="menu"'
rm -rf "$corpus"

# The engine alone, in memory.
if [ -x "$BIN/markloom_bench" ]; then
  "$BIN/markloom_bench" --benchmark_filter='Replace' --benchmark_min_time=0.2
fi
