#!/usr/bin/env bash
# Starts a program (with its arguments) on an invisible virtual X display, for a machine
# without a display: says so and how to stop it, and writes a screenshot of what it shows
# to varidex625-screenshot.png in the working directory. Returns when the program ends.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 program [arguments...]" >&2; exit 2; }
screenshot="$PWD/varidex625-screenshot.png"
rm -f "$screenshot"
cat <<EOF
No display found: Varidex625 runs on an invisible virtual X display (xvfb-run).
Its window cannot be seen; in a few seconds a screenshot of it is written to
  $screenshot
The program keeps running until you stop it: press Ctrl+C here.
EOF
# Inside xvfb-run the program runs in the foreground (exec), so Ctrl+C reaches it and
# xvfb-run then takes the display down. The photographer waits apart from it (detached, so
# no finished child is left for the program to collect) and crops the empty screen away.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  screenshot=$1; shift
  ( (
    sleep 5
    kill -0 $$ 2>/dev/null || exit 0   # stopped already: nothing to photograph
    if import -window root -trim +repage "$screenshot" 2>/dev/null; then
      echo "Screenshot of the window written to $screenshot"
    else
      echo "Could not take a screenshot of the window (ImageMagick import failed)." >&2
    fi
  ) & )
  echo "Varidex625 runs as process $$ (from another terminal: kill $$)."
  exec "$@"
' bash "$screenshot" "$@"
