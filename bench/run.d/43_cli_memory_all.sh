#!/usr/bin/env bash
# Memory of every markloom-cli command: the maximum resident size
# (/usr/bin/time %M) of each on a normal page and on one huge tag
# (`yes '<a '`, SIZE_MB megabytes, 1024 by default). Outputs go to files in
# WORK (or nowhere), the inputs are deleted afterwards. Commands that change
# their input (replace) work on a copy. send-lines runs with no editor to
# receive its lines, so it reads its input and stops.
set -euo pipefail
size_mb=${SIZE_MB:-1024}
page="$WORK/page.html"
tag="$WORK/huge-tag.html"
cp tests/core/analysis/golden/page.html "$page"
{ yes '<a ' | tr -d '\n' | head -c $((size_mb << 20)) >"$tag"; } 2>/dev/null || true
export XDG_RUNTIME_DIR="$WORK/no-editor"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

report() {  # the last line of the time file (a failed run adds a line before it)
  tail -1 "$WORK/rss" | awk '{ printf "%d MB (%.1f s)", $1 / 1024, $2 }'
}

max_rss_mb() {  # max_rss_mb COMMAND...: the run's maximum resident size in MB
  /usr/bin/time -o "$WORK/rss" -f "%M %e" "$@" >/dev/null 2>"$WORK/err" </dev/null || true
  report
}

run() {  # run NAME INPUT: one command on one input
  local in=$1
  case $2 in
    validate) max_rss_mb "$BIN/markloom-cli" validate "$in" ;;
    tokens) max_rss_mb "$BIN/markloom-cli" tokens "$in" ;;
    compress) max_rss_mb "$BIN/markloom-cli" compress "$in" -o "$WORK/compressed.out" ;;
    compress-stdout) max_rss_mb "$BIN/markloom-cli" compress "$in" ;;
    wml-layout) max_rss_mb "$BIN/markloom-cli" wml-layout "$in" ;;
    check-links) max_rss_mb "$BIN/markloom-cli" check-links "$in" ;;
    download-time) max_rss_mb "$BIN/markloom-cli" download-time "$in" ;;
    replace)
      cp "$in" "$WORK/replace.in"
      max_rss_mb "$BIN/markloom-cli" replace --find "<a" --replace "<b" "$WORK/replace.in"
      rm -f "$WORK/replace.in" ;;
    tidy) max_rss_mb "$BIN/markloom-cli" tidy --format --time-limit 120 "$in" -o "$WORK/tidied.out" ;;
    tidy-config) max_rss_mb "$BIN/markloom-cli" tidy-config ;;
    send-lines)
      /usr/bin/time -o "$WORK/rss" -f "%M %e" "$BIN/markloom-cli" send-lines <"$in" >/dev/null 2>&1 || true
      report ;;
  esac
}

printf '%-16s %-22s %s\n' command "page ($(($(stat -c %s "$page") >> 10)) KB)" "one ${size_mb} MB tag"
for command in validate tokens compress compress-stdout wml-layout check-links download-time replace tidy \
  tidy-config send-lines; do
  printf '%-16s %-22s %s\n' "$command" "$(run "$page" "$command")" "$(run "$tag" "$command")"
  rm -f "$WORK/compressed.out" "$WORK/tidied.out"
done
rm -f "$tag" "$page"
