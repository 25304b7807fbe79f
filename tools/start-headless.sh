#!/usr/bin/env bash
# Starts a program (with its arguments) on an invisible virtual X display, for a machine
# without a display: says so and how to stop it, and writes a screenshot of its window to
# varidex625-screenshot.png in the working directory once the window is shown. Returns when
# the program ends.
#
# The screenshot waits up to VARIDEX_WINDOW_WAIT seconds (60 unless set) for the window to
# be mapped and drawn; a slow machine may need longer. When no window came, or the window
# showed nothing, it says so and writes no file.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 program [arguments...]" >&2; exit 2; }
screenshot="$PWD/varidex625-screenshot.png"
wait_seconds="${VARIDEX_WINDOW_WAIT:-60}"
[[ "$wait_seconds" =~ ^[1-9][0-9]*$ ]] || { echo "VARIDEX_WINDOW_WAIT must be a whole number of seconds" >&2; exit 2; }
rm -f "$screenshot"
cat <<EOF
No display found: Varidex625 runs on an invisible virtual X display (xvfb-run).
Its window cannot be seen; once it is shown a screenshot of it is written to
  $screenshot
The program keeps running until you stop it: press Ctrl+C here.
EOF
# Inside xvfb-run the program runs in the foreground (exec), so Ctrl+C reaches it and
# xvfb-run then takes the display down. The photographer waits apart from it (detached, so
# no finished child is left for the program to collect) and crops the empty screen away.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  screenshot=$1 wait_seconds=$2; shift 2
  program=$$
  # True once a top-level window is mapped: without a window manager the windows of the
  # program are children of the root window.
  window_mapped() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null | awk "\$1 ~ /^0x/ { print \$1 }"); do
      xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" && return 0
    done
    return 1
  }
  # True when the picture holds more than one colour: an empty screen, or a window not
  # drawn yet, crops down to a single colour.
  picture_drawn() {
    local colours
    colours=$(identify -format "%k" "$screenshot" 2>/dev/null) || return 1
    [ "${colours:-0}" -gt 1 ]
  }
  ( (
    deadline=$((SECONDS + wait_seconds))
    until window_mapped; do
      kill -0 $program 2>/dev/null || exit 0   # stopped already: nothing to photograph
      if [ $SECONDS -ge $deadline ]; then
        echo "No window appeared within $wait_seconds seconds: no screenshot was taken." >&2
        exit 0
      fi
      sleep 0.5
    done
    # Mapped is not drawn yet: photograph until the picture shows something.
    while :; do
      kill -0 $program 2>/dev/null || { rm -f "$screenshot"; exit 0; }
      if ! import -window root -trim +repage "$screenshot" 2>/dev/null; then
        rm -f "$screenshot"
        echo "Could not take a screenshot of the window (ImageMagick import failed)." >&2
        exit 0
      fi
      if picture_drawn; then
        echo "Screenshot of the window written to $screenshot"
        exit 0
      fi
      if [ $SECONDS -ge $deadline ]; then
        rm -f "$screenshot"
        echo "The window showed nothing within $wait_seconds seconds: no screenshot was written." >&2
        exit 0
      fi
      sleep 0.5
    done
  ) & )
  echo "Varidex625 runs as process $program (from another terminal: kill $program)."
  exec "$@"
' bash "$screenshot" "$wait_seconds" "$@"
