#!/usr/bin/env bash
# Runs pixmode.exe on the virtual display in $DISPLAY (source RUNDIR/env first) with nobody at
# the screen: every message box captioned "Pixmode" is printed and answered (OK, else No, else
# Cancel). Without options the program shows its main dialog: this saves a screenshot of the
# display, prints its path and closes the dialog instead of waiting for a user.
# Usage: run-unattended.sh PIXMODE_EXE [OPTION...]
# Environment: PIXMODE_SCREENSHOT (default /tmp/pixmode-screenshot-<time>.png),
#              PIXMODE_RUN_TIMEOUT seconds before the run is ended (default 120)
set -euo pipefail

exe=${1:?usage: run-unattended.sh PIXMODE_EXE [OPTION...]}
shift
driver=$PIXMODE_BUILD_DIR/e2e-driver.exe
timeout=${PIXMODE_RUN_TIMEOUT:-120}

drive() { wine "$driver" "$@" </dev/null; }
# Reads one field of the first JSON line on standard input.
field() {
  /usr/bin/python3 -c 'import json, sys
value = json.loads(sys.stdin.readline() or "{}").get(sys.argv[1], "")
print(" ".join(map(str, value)) if isinstance(value, list) else value)' "$1"
}

answer_box() {
  local hwnd=$1 facts buttons button
  facts=$(drive message-box --hwnd "$hwnd")
  printf 'message box: %s\n' "$(field text <<<"$facts")"
  buttons=" $(field buttons <<<"$facts") "
  for button in 1 7 2; do
    if [[ $buttons == *" $button "* ]]; then
      drive click --hwnd "$hwnd" --id "$button" >/dev/null
      echo "pressed button $button"
      return
    fi
  done
  drive close --hwnd "$hwnd" >/dev/null
}

wine "$exe" "$@" </dev/null &
pid=$!
start=$SECONDS
main_dialog_done=0
while kill -0 "$pid" 2>/dev/null; do
  if ((SECONDS - start > timeout)); then
    echo "pixmode did not end within $timeout s; ending it" >&2
    kill "$pid" 2>/dev/null || true
    break
  fi
  window=$(drive wait-window --class '#32770' --title Pixmode --timeout 1000 || true)
  hwnd=$(field hwnd <<<"$window")
  [[ -n $hwnd ]] || continue
  # A message box has its text in static control 0xFFFF; the main dialog has none.
  if drive control --hwnd "$hwnd" --id 65535 >/dev/null 2>&1; then
    answer_box "$hwnd"
  elif ((main_dialog_done == 0)); then
    main_dialog_done=1
    sleep 1  # let the dialog finish painting
    screenshot=${PIXMODE_SCREENSHOT:-/tmp/pixmode-screenshot-$(date +%Y%m%d-%H%M%S).png}
    import -window root "$screenshot"
    echo "screenshot: $screenshot"
    drive click --hwnd "$hwnd" --id 2 >/dev/null || drive close --hwnd "$hwnd" >/dev/null
    drive wait-gone --hwnd "$hwnd" --timeout 5000 >/dev/null || drive close --hwnd "$hwnd" >/dev/null || true
  fi
done
status=0
wait "$pid" || status=$?
echo "pixmode ended with exit code $status"
