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

# seconds COMMAND...: mean wall time over a few runs (hyperfine when present).
seconds() {
  local runs=$1; shift
  if command -v hyperfine >/dev/null; then
    hyperfine -N -i --warmup 1 --runs "$runs" --export-json "$WORK/t.json" "$*" >/dev/null 2>&1
    $PY -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["mean"])' "$WORK/t.json"
  else
    local start end
    start=$(date +%s.%N)
    for _ in $(seq "$runs"); do "$@" >/dev/null 2>&1 || true; done
    end=$(date +%s.%N)
    $PY -c "print(($end-$start)/$runs)"
  fi
}

mbps() { $PY -c "import sys; print('%.1f' % (int(sys.argv[1])/1048576/float(sys.argv[2])))" "$1" "$2"; }

declare -A rate
for mb in 5 50; do
  page="$WORK/page$mb.html"
  make_page "$mb" "$page"
  size=$(stat -c %s "$page")
  t=$(seconds 5 "$BIN/markloom-cli" validate "$page")
  rate[$mb]=$(mbps "$size" "$t")
  rows=$("$BIN/markloom-cli" validate "$page" | wc -l || true)
  echo "markloom-cli validate, $mb MB: $(printf '%.3f' "$t") s, ${rate[$mb]} MB/s, $rows rows"
done

page="$WORK/page50.html"
size=$(stat -c %s "$page")
if command -v tidy >/dev/null; then
  t=$(seconds 1 tidy -e -q "$page")
  tidy_rate=$(mbps "$size" "$t")
  echo "tidy -e -q, 50 MB: $(printf '%.3f' "$t") s, $tidy_rate MB/s"
  echo "validate / tidy: $($PY -c "print('%.1fx' % (${rate[50]}/$tidy_rate))")"
else
  echo "tidy not installed; no comparison"
fi
if command -v htmlhint >/dev/null; then
  t=$(seconds 1 htmlhint "$page")
  echo "htmlhint, 50 MB: $(printf '%.3f' "$t") s, $(mbps "$size" "$t") MB/s"
fi
echo "linearity (50 MB rate / 5 MB rate): $($PY -c "print('%.2f' % (${rate[50]}/${rate[5]}))")"
"$BIN/markloom_bench" --benchmark_filter='ValidateDocument|TokenizeDocument' 2>&1 | grep -E '^BM_'
