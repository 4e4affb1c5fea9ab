#!/usr/bin/env bash
# Regenerates res/app.ico and res/tip_picture.bmp from the drawings in tools/resgen/.
# The outputs are committed, so building never needs this script; run it after
# editing a drawing. Same inputs and tool versions give byte-identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here/resgen"
res="$here/../res"

for tool in convert python3 fc-match; do
  command -v "$tool" >/dev/null || { echo "gen-resources: $tool not found (run tools/setup.sh)" >&2; exit 1; }
done

# Pin the exact face: a fallback font would silently change the picture.
font="$(fc-match -f '%{file}' 'WenQuanYi Zen Hei:style=Regular')"
case "$font" in
  *wqy-zenhei.ttc) ;;
  *) echo "gen-resources: WenQuanYi Zen Hei not installed (got '$font')" >&2; exit 1 ;;
esac

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# --- Application icon: each size is drawn from the vector source, not resized,
# so the small images stay sharp.
icon_args=()
for size in 128 96 72 64 48 32 24 16; do
  scale="$(awk -v n="$size" 'BEGIN { printf "%.6f", n / 128 }')"
  convert -size "${size}x${size}" xc:none \
    -draw "scale $scale,$scale $(cat "$src/icon.mvg")" \
    -depth 8 "RGBA:$work/$size.rgba"
  icon_args+=("$size:$work/$size.rgba")
done
python3 "$src/make_ico.py" "$res/app.ico" "${icon_args[@]}"

# --- Reminder picture. Everything is drawn without anti-aliasing: the
# background colour is keyed out when shown, and blended edge pixels would
# leave a green fringe.
bg='rgb(0,128,0)'
yellow='rgb(255,255,0)'
outline='rgb(64,32,0)'
line1='注意休息'
line2='保护视力'

# Text goes through a mask: thickening it gives bold strokes (the font has
# no bold face) and thickening once more gives the dark outline.
convert -size 216x88 "xc:$bg" +antialias \
  -draw "$(cat "$src/bell.mvg")" \
  \( -size 216x88 xc:black -font "$font" -pointsize 30 -fill white \
     -annotate +88+36 "$line1" -annotate +88+76 "$line2" \
     -morphology Dilate Rectangle:2x2 -write mpr:bold \
     -morphology Dilate Square:1 -write mpr:outline +delete \) \
  \( -size 216x88 "xc:$outline" \) mpr:outline -composite \
  \( -size 216x88 "xc:$yellow" \) mpr:bold -composite \
  -strip -type truecolor "BMP3:$res/tip_picture.bmp"

python3 "$src/check_resources.py" "$res"
