#!/bin/sh
# Renders the program icon's PNGs from its SVG drawings. Run by hand after
# changing a drawing; the PNGs are committed, so the build needs none of this.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
icons="$(cd "$(dirname "$0")/../shell/icons" && pwd)"
command -v rsvg-convert >/dev/null 2>&1 || {
  echo "render-icons: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
  exit 1
}
# 16 pixels has a drawing of its own, simplified for that size.
rsvg-convert -w 16 -h 16 -o "$icons/rewrix-16.png" "$icons/rewrix-16.svg"
for size in 32 48; do
  rsvg-convert -w "$size" -h "$size" -o "$icons/rewrix-$size.png" "$icons/rewrix.svg"
done
echo "rendered $icons/rewrix-16.png, rewrix-32.png, rewrix-48.png"
