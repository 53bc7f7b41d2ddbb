#!/usr/bin/env bash
# The main job: builds the Linux native build and renders barcodes with the
# command-line renderer. Installs the Debian packages it needs first.
#
#   bash scripts/demo.sh                 renders the sample label to label.png
#   bash scripts/demo.sh ARGUMENTS...    runs barcode-print with the arguments
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

echo "== Installing build packages"
bash scripts/install-deps.sh
echo "== Building build/linux"
cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/linux -j 2 --target barcode-print
renderer=build/linux/bin/barcode-print

if [ $# -gt 0 ]; then
    echo "== barcode-print $*"
    exec "$renderer" "$@"
fi

# A parcel label of 100 x 70 mm at 300 dpi: each command places its symbol
# with X= and Y= (the lower left corner of the bars), as a print server would.
echo "== Rendering the sample label to label.png"
"$renderer" -r 300 --page 100x70 -o label.png \
    "C=128,X=5 mm,Y=20 mm,B=60 mm,H=12 mm,D=PARCEL 0042-ABC" \
    "C=E128,X=5 mm,Y=42 mm,B=90 mm,H=12 mm,D=00340123450000000018" \
    "C=E13,X=5 mm,Y=63 mm,B=0,S1=5,H=14 mm,D=400638133393" \
    "C=39,X=50 mm,Y=63 mm,B=45 mm,H=10 mm,D=LOT 7" \
    "C=ZIP,X=70 mm,Y=10 mm,D=12345678901"
echo "== Wrote $(pwd)/label.png"
