#!/bin/sh
# Renders the PNG sizes of the application icon from zorvane.svg. The PNGs are
# committed, so building never needs this; run it after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zorvane.svg -o "zorvane-$size.png"
done
