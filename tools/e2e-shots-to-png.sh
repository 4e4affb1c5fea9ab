#!/usr/bin/env bash
# Turns the end-to-end tests' screenshots (.bmp, written from inside Wine)
# into .png files in the same folder, for people to look at.
#
#   e2e-shots-to-png.sh FOLDER
set -u
dir="${1:?usage: e2e-shots-to-png.sh FOLDER}"
[ -d "$dir" ] || exit 0
status=0
for bmp in "$dir"/*.bmp; do
  [ -e "$bmp" ] || continue
  if timeout 60 convert "$bmp" "${bmp%.bmp}.png"; then
    rm -f "$bmp"
  else
    echo "e2e-shots-to-png: could not convert $bmp" >&2
    status=1
  fi
done
exit $status
