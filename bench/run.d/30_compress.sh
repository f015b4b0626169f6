#!/usr/bin/env bash
# Compress Document: markloom-cli compress (the options dialog's marks) against
# html-minifier-terser (collapse whitespace, remove attribute quotes) and the
# minify program, on the same generated pages in the same run: 100 KB, 5 MB and
# 50 MB. Prints wall time (best of several runs), MB/s and output size for each,
# then the engine alone through Google Benchmark. Installs the peers itself:
# npm into a folder under $WORK, apt for minify.
set -euo pipefail
dir="$WORK/compress"
mkdir -p "$dir"

# Peers.
if [ ! -x "$WORK/npm/node_modules/.bin/html-minifier-terser" ]; then
  npm install --silent --no-audit --no-fund --prefix "$WORK/npm" html-minifier-terser >/dev/null 2>&1 ||
    echo "html-minifier-terser: npm install failed; left out"
fi
if ! command -v minify >/dev/null; then
  (apt-get install -y -qq minify >/dev/null 2>&1 || { apt-get update -qq >/dev/null 2>&1 && apt-get install -y -qq minify >/dev/null 2>&1; }) ||
    echo "minify: apt install failed; left out"
fi
terser="$WORK/npm/node_modules/.bin/html-minifier-terser"

# Pages: hand-written style HTML, indented CR LF lines, quoted attributes,
# tables, centred paragraphs, PRE and SCRIPT blocks, web-bot comments.
/usr/bin/python3 - "$dir" <<'PY'
import sys
out = sys.argv[1]
def page(size):
    parts = ['<html>\r\n<head>\r\n  <title>Sample</title>\r\n</head>\r\n<body bgcolor="#FFFFFF">\r\n']
    total = len(parts[0]); n = 0
    while total < size:
        k = str(n); b = []
        b.append('  <p align="center"><STRONG>Section ' + k + '</STRONG></p>\r\n\r\n')
        b.append('  <table width="100%" border="0" cellpadding="2">\r\n    <tr> <td class="cell">Item   ' + k +
                 '</td> <td><a href="page' + k + '.htm" title="Page ' + k + '">link</a></td> </tr>\r\n  </table>\r\n')
        b.append('  <p>Some   text with <em>emphasis</em>,    spaces and a line\r\n  break in the middle.</p>\r\n')
        if n % 4 == 0: b.append('  <!--webbot bot="Timestamp" -->\r\n  <img src="pic.gif" alt="A picture">\r\n')
        if n % 8 == 0: b.append('<pre>\r\n  keep   this\r\n\r\n</pre>\r\n')
        if n % 16 == 0: b.append('<script language="JavaScript">\r\n  var a = "x  y";\r\n</script>\r\n')
        if n % 5 == 0: b.append('  <form><input type="text" name="q" value="search here"></form>\r\n')
        s = ''.join(b); parts.append(s); total += len(s); n += 1
    parts.append('</body>\r\n</html>\r\n')
    return ''.join(parts).encode('latin-1')
for name, size in (('100k', 100 << 10), ('5m', 5 << 20), ('50m', 50 << 20)):
    with open(f'{out}/page-{name}.htm', 'wb') as f:
        f.write(page(size))
PY

# best_us RUNS STDOUT CMD...: "WALL CPU", the fastest wall-clock time and the
# smallest CPU time (user + system, the tool's whole process tree) of RUNS runs,
# in microseconds; empty on failure. The command's standard output goes to STDOUT.
# CPU time is the steadier figure on a machine busy with other work.
best_us() {
  /usr/bin/python3 - "$@" <<'PY'
import os, resource, subprocess, sys, time
runs, stdout, cmd = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
best_wall = best_cpu = None
for _ in range(runs):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(stdout, "wb") as out:
        rc = subprocess.call(cmd, stdout=out, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if rc != 0:
        sys.exit(0)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    best_wall = wall if best_wall is None else min(best_wall, wall)
    best_cpu = cpu if best_cpu is None else min(best_cpu, cpu)
print(int(best_wall * 1e6), int(best_cpu * 1e6))
PY
}

report() {  # NAME INPUT OUTPUT "WALL CPU"
  local in_size out_size
  in_size=$(stat -c %s "$2")
  if [ -z "$4" ] || [ ! -f "$3" ]; then
    printf '  %-22s failed\n' "$1"
    return
  fi
  out_size=$(stat -c %s "$3")
  awk -v n="$1" -v i="$in_size" -v o="$out_size" -v t="$4" 'BEGIN {
    split(t, us, " "); w = us[1] / 1e6; c = us[2] / 1e6; if (c < 1e-4) c = 1e-4
    printf "  %-22s wall %8.3f s %8.1f MB/s   cpu %8.3f s %8.1f MB/s   out %10d bytes (%5.1f%%)\n",
      n, w, i / 1048576 / w, c, i / 1048576 / c, o, 100 * o / i }'
}

echo "machine load before the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
declare -A ours
startup=$(best_us 10 /dev/null "$BIN/markloom-cli" --version)
echo "markloom-cli start-up alone (--version): $(awk -v t="$startup" 'BEGIN { split(t, us, " "); printf "wall %.3f s, cpu %.3f s", us[1]/1e6, us[2]/1e6 }')"
for size in 100k 5m 50m; do
  in="$dir/page-$size.htm"
  case $size in 100k) runs=10 ;; 5m) runs=3 ;; *) runs=2 ;; esac
  echo "page $size ($(stat -c %s "$in") bytes), best of $runs:"
  # To standard output like the peers' plain file writes; -o also flushes the
  # file to disk before renaming it into place.
  out="$dir/out-markloom-$size.htm"
  ours[$size]=$(best_us "$runs" "$out" "$BIN/markloom-cli" compress "$in")
  report "markloom-cli compress" "$in" "$out" "${ours[$size]}"
  out="$dir/out-markloom-o-$size.htm"
  report "markloom-cli ... -o" "$in" "$out" "$(best_us "$runs" /dev/null "$BIN/markloom-cli" compress "$in" -o "$out")"
  if [ -x "$terser" ]; then
    out="$dir/out-terser-$size.htm"
    [ "$size" = 50m ] && runs=1  # about a minute and a half per run
    report "html-minifier-terser" "$in" "$out" "$(NODE_OPTIONS=--max-old-space-size=8192 best_us "$runs" /dev/null \
      "$terser" --collapse-whitespace --remove-attribute-quotes -o "$out" "$in")"
  fi
  if command -v minify >/dev/null; then
    out="$dir/out-minify-$size.htm"
    report "minify" "$in" "$out" "$(best_us "$runs" /dev/null minify --type=html -o "$out" "$in")"
  fi
done

if [ -n "${ours[5m]}" ] && [ -n "${ours[50m]}" ]; then
  awk -v a="${ours[5m]}" -v b="${ours[50m]}" -v s="$startup" 'BEGIN {
    split(a, x, " "); split(b, y, " "); split(s, z, " ")
    printf "growth 5 MB -> 50 MB, start-up taken off: wall x%.1f, cpu x%.1f for x10 size\n",
      (y[1] - z[1]) / (x[1] - z[1]), (y[2] - z[2]) / (x[2] - z[2]) }'
fi
echo "engine alone (CPU time):"
"$BIN/markloom_bench" --benchmark_filter='Compress' 2>&1 | grep -E '^BM_'
