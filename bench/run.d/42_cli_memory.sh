#!/usr/bin/env bash
# Memory of markloom-cli validate and tokens on 1 GB inputs of four kinds: a
# realistic page repeated, one huge tag, text without any tag, NUL bytes.
# Prints the maximum resident size of each run (/usr/bin/time %M) and, for
# tokens, its ratio to the largest token. Each input is streamed from a
# generator into WORK and deleted after its runs.
set -euo pipefail
GB=$((1 << 30))
src=tests/core/analysis/golden/page.html

make_input() {  # make_input KIND OUT
  case $1 in
    page)
      local chunk="$WORK/chunk.html"
      cp "$src" "$chunk"
      while [ "$(stat -c %s "$chunk")" -lt $((1 << 20)) ]; do cat "$chunk" "$chunk" >"$chunk.2"; mv "$chunk.2" "$chunk"; done
      local copies=$((GB / $(stat -c %s "$chunk") + 1))
      for _ in $(seq "$copies"); do cat "$chunk"; done | head -c "$GB" >"$2" || true
      rm -f "$chunk" ;;
    huge-tag) { yes '<a ' | tr -d '\n' | head -c "$GB" >"$2"; } 2>/dev/null || true ;;
    no-tags) { yes 'Plain running text, line after line, without a single tag in it.' | head -c "$GB" >"$2"; } 2>/dev/null || true ;;
    nul) head -c "$GB" /dev/zero >"$2" ;;
  esac
}

# The largest token of the input: the whole file, or for the huge tag the
# file without its '<' (a '<' inside a tag is dropped); a few kilobytes for the page.
largest_token() {
  case $1 in
    page) echo 0 ;;
    huge-tag) echo $(($(stat -c %s "$2") * 2 / 3)) ;;
    *) stat -c %s "$2" ;;
  esac
}

max_rss_kb() {  # max_rss_kb COMMAND...: the run's maximum resident size in KB (output discarded)
  /usr/bin/time -o "$WORK/rss" -f "%M" "$@" >/dev/null 2>/dev/null || true
  tail -1 "$WORK/rss"
}

for kind in page huge-tag no-tags nul; do
  input="$WORK/$kind.in"
  make_input "$kind" "$input"
  size=$(stat -c %s "$input")
  v=$(max_rss_kb "$BIN/markloom-cli" validate "$input")
  t=$(max_rss_kb "$BIN/markloom-cli" tokens "$input")
  token=$(largest_token "$kind" "$input")
  if [ "$token" -gt 0 ]; then
    ratio=$(/usr/bin/python3 -c "print('%.2f' % ($t * 1024 / $token))")
    echo "$kind, $((size >> 20)) MB: validate $((v / 1024)) MB; tokens $((t / 1024)) MB = ${ratio}x the largest token"
  else
    echo "$kind, $((size >> 20)) MB: validate $((v / 1024)) MB; tokens $((t / 1024)) MB"
  fi
  rm -f "$input"
done
v=$(max_rss_kb "$BIN/markloom-cli" validate /dev/zero)
echo "validate /dev/zero: stops at the read limit, $((v / 1024)) MB"
