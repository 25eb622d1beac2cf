#!/usr/bin/env bash
# Renders the application icon's hicolor PNGs from its SVG; run after editing
# the SVG and commit the results (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" org.verdalon.Verdalon.svg -o "hicolor/${size}x${size}/apps/org.verdalon.Verdalon.png"
done
