#!/usr/bin/env bash
# Large documents: a 50 MB HTML page opened in the document editor until shown
# and coloured, then typing at its end; memory against the file size; the
# colouring engine alone; and Qt's plain text widget on the same file as peer.
set -euo pipefail
export QT_QPA_PLATFORM=offscreen
page="$WORK/large.html"
/usr/bin/python3 - "$page" <<'PY'
import sys
block = ('<!-- section -->\r\n<div class="item" id="n42"><a href="http://example.com/page.html">Link</a>\r\n'
         '<p>Some text with <b>bold</b> and <i>italic</i> words, numbers 12345 and colour #FF8800.</p>\r\n'
         '<script language="javascript">\r\nfunction f(x) { var s = \'str\'; return x + 0x1F; } // note\r\n</script>\r\n'
         '<style>\r\nh1 { color: red; font-size: 12px; } /* c */\r\n</style>\r\n'
         '<% Dim a : a = "asp" \' comment %>\r\n<? if ($x) { echo "php"; } ?>\r\n</div>\r\n')
size = 50 << 20
with open(sys.argv[1], 'w', newline='') as f:
    f.write('<html><body>\r\n' + block * (size // len(block) + 1) + '</body></html>\r\n')
PY
bytes=$(stat -c %s "$page")
echo "input: $page, $bytes bytes"
export MARKLOOM_BENCH_HTML="$page"
"$BIN/markloom_bench" --benchmark_filter='StyleWholePage' 2>&1 | grep -E '^BM_'
/usr/bin/time -f "%M" -o "$WORK/document_rss.txt" \
  "$BIN/markloom_bench" --benchmark_filter='OpenLargeHtmlShownAndColoured' 2>&1 | grep -E '^BM_'
rss_kb=$(tail -1 "$WORK/document_rss.txt")
echo "max RSS opening the page: ${rss_kb} KB = $(/usr/bin/python3 -c "print(round($rss_kb*1024/$bytes, 2))") x file size (includes the benchmark's own copy of the file)"
echo "open, Ctrl+End right after opening, 200 keys in the middle, colouring ahead when idle and Ctrl+End after it (0: built-in scheme, 1: html.sch):"
"$BIN/markloom_bench" --benchmark_filter='LargeHtmlTypingByScheme' 2>&1 | grep -E '^BM_'
/usr/bin/time -f "%M" -o "$WORK/peer_rss.txt" \
  "$BIN/markloom_bench" --benchmark_filter='PeerPlainTextEditOpen' 2>&1 | grep -E '^BM_'
echo "peer QPlainTextEdit max RSS: $(tail -1 "$WORK/peer_rss.txt") KB"
