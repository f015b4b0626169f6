#!/usr/bin/env bash
# Exit: the program started, shown, and ended through File > Exit with no
# modified document, against the same start ended by quitting the event loop
# at once; the difference is what leaving costs. Offscreen, fresh program folder.
set -euo pipefail
home=$(mktemp -d "$WORK/exit.XXXXXX")
cp -r "$BIN/Extensions" "$home/"
export MARKLOOM_HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen
export MARKLOOM_PLUG_NAME="markloom-bench-exit-$$"
MARKLOOM_QUIT_WHEN_SHOWN=1 "$BIN/markloom" >/dev/null 2>&1  # first run writes the store
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 2 --runs 15 --export-json "$WORK/exit.json" \
    -n start-quit "env MARKLOOM_QUIT_WHEN_SHOWN=1 $BIN/markloom" \
    -n start-exit "env MARKLOOM_EXIT_WHEN_SHOWN=1 $BIN/markloom" 2>&1 | grep -E 'Time|Range|start-'
else
  MARKLOOM_QUIT_WHEN_SHOWN=1 /usr/bin/time -f "start, quit at once: %e s" "$BIN/markloom"
  MARKLOOM_EXIT_WHEN_SHOWN=1 /usr/bin/time -f "start, File > Exit: %e s" "$BIN/markloom"
fi
