#!/usr/bin/env bash
# Connects a second output (DUMMY1) right of the first one on the display in $DISPLAY.
# A full probe after connecting gives DUMMY1 the same modes as DUMMY0 (and only after it do
# clients see DUMMY1 connected). The mode added by hand is then removed again, so that DUMMY1
# does not list it twice.
# Usage: add-second-output.sh [MODE [OTHER_MODE]]   (default 800x600, 640x480)
set -euo pipefail

mode=${1:-800x600}
other=${2:-640x480}
xrandr --addmode DUMMY1 "$mode"
xrandr --output DUMMY1 --mode "$mode" --right-of DUMMY0
xrandr >/dev/null
# A mode in use cannot be removed: step aside to another mode meanwhile.
xrandr --output DUMMY1 --mode "$other"
xrandr --delmode DUMMY1 "$mode"
xrandr --output DUMMY1 --mode "$mode"
