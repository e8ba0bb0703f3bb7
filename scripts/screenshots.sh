#!/usr/bin/env bash
# Regenerates the README's screenshots in docs/ from the real windows of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
cmake --build build --target quorvane_screenshots
# A virtual 1600 x 1200 screen, so the windows get the size they have on a desktop.
xvfb-run -a -s "-screen 0 1600x1200x24" build/tools/quorvane_screenshots docs
# The exported map as a picture beside the screenshots.
rsvg-convert --width 1400 --background-color white docs/map-export.svg -o docs/map-export.png
# The atlas's overview page as a picture; the atlas itself is not kept.
pdftoppm -f 3 -l 3 -r 110 -png -singlefile docs/atlas.pdf docs/atlas-overview
rm docs/atlas.pdf
# The 3D View's stereo pair as printed, cut to the pair and its caption.
pdftoppm -r 110 -png -singlefile docs/space-stereo.pdf docs/space-stereo
convert docs/space-stereo.png -trim -bordercolor white -border 20 docs/space-stereo.png
rm docs/space-stereo.pdf
echo "screenshots written to docs/"
