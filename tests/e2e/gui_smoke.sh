#!/usr/bin/env bash
# Starts the real program under Xvfb, waits for the main window, checks that a screenshot of it
# is not blank, and ends the program through its own menu (Plik > Zakończ).
set -euo pipefail
program=$1
shot=${2:-/tmp/kwarcyt-smoke.png}

if [ -z "${KWARCYT_SMOKE_INNER:-}" ]; then
  export KWARCYT_SMOKE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

# A data folder of its own: unsaved work that another run left for recovery must not be offered
# here.
data=$(mktemp -d)
XDG_DATA_HOME=$data "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$data"' EXIT

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name '^Kwarcyt - Nowy\.txt$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "gui_smoke: the main window did not appear" >&2
  exit 1
fi
sleep 0.5
import -window root "$shot"
colours=$(convert "$shot" -format '%k' info:)
echo "gui_smoke: screenshot $shot has $colours colours"
if [ "$colours" -lt 16 ]; then
  echo "gui_smoke: the screenshot is blank" >&2
  exit 1
fi

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+p
sleep 0.3
xdotool key k
for _ in $(seq 1 50); do
  if ! kill -0 $pid 2>/dev/null; then
    status=0
    wait $pid || status=$?
    trap - EXIT
    rm -rf "$data"
    echo "gui_smoke: the program ended with status $status"
    exit $status
  fi
  sleep 0.1
done
echo "gui_smoke: the program did not end after Plik > Zakończ" >&2
exit 1
