#!/usr/bin/env bash
# Validate Document: markloom-cli validate on generated 5 MB and 50 MB pages
# (realistic markup, repeated), beside tidy -e -q (and htmlhint when installed)
# on the same 50 MB file in the same run. Prints MB/s and the ratio to tidy.
set -euo pipefail
PY=/usr/bin/python3
src=tests/core/analysis/golden/page.html

make_page() {  # make_page MEGABYTES OUT: the page's body repeated to the size
  local mb=$1 out=$2 body="$WORK/body.html"
  sed -n '/<body/,/<\/body>/p' "$src" | sed '1d;$d' >"$body"
  sed -n '1,/<body/p' "$src" >"$out"
  local chunk="$WORK/chunk.html"
  cp "$body" "$chunk"
  while [ "$(stat -c %s "$chunk")" -lt $((1 << 20)) ]; do cat "$chunk" "$chunk" >"$chunk.2"; mv "$chunk.2" "$chunk"; done
  while [ "$(stat -c %s "$out")" -lt $((mb << 20)) ]; do cat "$chunk" >>"$out"; done
  printf '</body>\r\n</html>\r\n' >>"$out"
}

# measure RUNS COMMAND...: prints "WALL CPU", mean seconds of wall-clock and of
# user+system time over a few runs. The machine may be shared, so both are shown.
measure() {
  local runs=$1; shift
  if command -v hyperfine >/dev/null; then
    hyperfine -N -i --warmup 1 --runs "$runs" --export-json "$WORK/t.json" "$*" >/dev/null 2>&1
    $PY -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"][0]; print(r["mean"], r["user"]+r["system"])' "$WORK/t.json"
  else
    local wall=0 cpu=0 line
    for _ in $(seq "$runs"); do
      line=$( { /usr/bin/time -f "%e %U %S" "$@" >/dev/null 2>/dev/null; } 2>&1 | tail -1)
      wall=$($PY -c "print($wall + ${line%% *})"); cpu=$($PY -c "a=' $line '.split(); print($cpu + float(a[1]) + float(a[2]))")
    done
    $PY -c "print($wall/$runs, $cpu/$runs)"
  fi
}

mbps() { $PY -c "import sys; print('%.1f' % (int(sys.argv[1])/1048576/float(sys.argv[2])))" "$1" "$2"; }
report() {  # report LABEL SIZE WALL CPU
  echo "$1: wall $(printf '%.3f' "$3") s = $(mbps "$2" "$3") MB/s; cpu $(printf '%.3f' "$4") s = $(mbps "$2" "$4") MB/s"
}

read -r startup startcpu < <(measure 5 "$BIN/markloom-cli" --version)
echo "markloom-cli start-up alone (--version): $(printf '%.3f' "$startup") s wall, $(printf '%.3f' "$startcpu") s cpu"
declare -A wall cpu size_of
for mb in 5 50; do
  page="$WORK/page$mb.html"
  make_page "$mb" "$page"
  size=$(stat -c %s "$page")
  read -r wall[$mb] cpu[$mb] < <(measure 5 "$BIN/markloom-cli" validate "$page")
  rows=$("$BIN/markloom-cli" validate "$page" | wc -l || true)
  size_of[$mb]=$size
  report "markloom-cli validate, $(mbps "$size" 1) MB ($rows rows)" "$size" "${wall[$mb]}" "${cpu[$mb]}"
done

page="$WORK/page50.html"
size=$(stat -c %s "$page")
if command -v tidy >/dev/null; then
  read -r twall tcpu < <(measure 1 tidy -e -q "$page")
  report "tidy -e -q, same $(mbps "$size" 1) MB file" "$size" "$twall" "$tcpu"
  echo "validate / tidy, 50 MB: $($PY -c "print('%.1fx wall, %.1fx cpu' % ($twall/${wall[50]}, $tcpu/${cpu[50]}))")"
else
  echo "tidy not installed; no comparison"
fi
if command -v htmlhint >/dev/null; then
  read -r hwall hcpu < <(measure 1 htmlhint "$page")
  report "htmlhint, 50 MB" "$size" "$hwall" "$hcpu"
fi
echo "linearity, cpu MB/s after start-up at 50 MB / at 5 MB (1.0 is linear): $($PY -c "print('%.2f' % ((${size_of[50]}/max(1e-6, ${cpu[50]}-$startcpu))/(${size_of[5]}/max(1e-6, ${cpu[5]}-$startcpu))))")"
"$BIN/markloom_bench" --benchmark_filter='ValidateDocument|TokenizeDocument' 2>&1 | grep -E '^BM_'
