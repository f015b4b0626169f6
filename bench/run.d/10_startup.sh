#!/usr/bin/env bash
# Start-up: from process start until the main window is shown and the event loop
# is idle (the program quits right there), offscreen, in a fresh program folder.
set -euo pipefail
home=$(mktemp -d "$WORK/startup.XXXXXX")
cp -r "$BIN/Extensions" "$home/"
export MARKLOOM_HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen
export MARKLOOM_QUIT_WHEN_SHOWN=1 MARKLOOM_PLUG_NAME="markloom-bench-$$"
"$BIN/markloom" >/dev/null 2>&1  # first run writes the store
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 3 --runs 20 --export-json "$WORK/startup.json" "$BIN/markloom" 2>&1 | grep -E 'Time|Range'
else
  /usr/bin/time -f "start to shown: %e s, max RSS %M KB" "$BIN/markloom"
fi
/usr/bin/time -f "max RSS at start: %M KB" "$BIN/markloom" 2>&1 | tail -1
"$BIN/markloom_bench" --benchmark_filter='LoadSnapshot|ColorRoundTrip' 2>&1 | grep -E '^BM_'
