#!/usr/bin/env bash
# Prints each connected output of the display in $DISPLAY: name, geometry and current rate.
# Usage: show-modes.sh [LABEL]
set -euo pipefail

label=${1:-}
xrandr --query | awk -v label="$label" '
  / connected/ {
    output = $1
    geometry = ($3 == "primary") ? $4 : $3
    primary = ($3 == "primary") ? " (primary)" : ""
    next
  }
  /^[^ ]/ { output = "" }
  output != "" && /\*/ {
    for (i = 2; i <= NF; i++) if ($i ~ /\*/) { rate = $i; sub(/[*+]+$/, "", rate) }
    printf "%s%s %s at %s Hz%s\n", (label == "" ? "" : label ": "), output, geometry, rate, primary
    output = ""
  }'
