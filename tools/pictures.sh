#!/usr/bin/env bash
# pictures.sh OUTDIR [BUILD_DIR]: writes the pictures a drawing change is checked against: the chart
# gallery, the four windows and a set of windows after scripted moves (sliders, lists, typed texts, the
# separator, zoom, pan and wheel on the charts). Compare two such folders with
#   tools/pictures.sh --compare BEFORE AFTER
# which prints each picture whose pixels differ and fails when one does.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = --compare ]; then
    before=$2 after=$3 status=0 count=0
    for picture in "$before"/*.png; do
        name=$(basename "$picture")
        count=$((count + 1))
        if [ ! -f "$after/$name" ]; then
            echo "$name: missing in $after"; status=1; continue
        fi
        differing=$(compare -metric AE "$picture" "$after/$name" null: 2>&1 || true)
        if [ "$differing" != 0 ]; then
            echo "$name: $differing pixels differ"; status=1
        fi
    done
    echo "$count pictures compared"
    exit $status
fi

out=${1:?usage: pictures.sh OUTDIR [BUILD_DIR] | pictures.sh --compare BEFORE AFTER}
build=${2:-${BUILD_DIR:-$root/build}}
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
"$build/tools/chart-gallery/chart-gallery" "$out" >/dev/null
snap="$build/tools/snapshot/snapshot"
for window in Form0 Form1 Form2 Form3; do
    "$snap" "$window" "$out/$window.png" 2>/dev/null
done
# name, window, actions
while read -r name window actions; do
    # shellcheck disable=SC2086
    "$snap" "$window" "$out/$name.png" $actions >/dev/null 2>&1
done <<'LIST'
form1-tanh Form1 ComboBox1=1 TrackBar1=25 TrackBar2=8 TrackBar3=-1
form1-keys Form1 ComboBox1=2 TrackBar2:key=Right TrackBar2:key=PageUp TrackBar1:key=End TrackBar3:key=Home
form1-zoom Form1 TrackBar2:key=Right Chart1:drag=left,150,50,260,120
form1-zoom-undo Form1 TrackBar2:key=Right Chart1:drag=left,150,50,260,120 Chart1:drag=left,260,120,150,50
form1-pan Form1 ComboBox1=1 TrackBar2=5 Chart1:drag=right,200,80,120,40
form1-wheel Form1 ComboBox1=2 TrackBar1=10 Chart1:wheel=3 Chart1:wheel=-7
form1-typed Form1 ComboBox1=1 ComboBox1:text=1.9 TrackBar1=5
form1-comma Form1 separator=, ComboBox1=1 TrackBar1=25 TrackBar2=8 TrackBar3=-1
form2-sigmoid Form2 ComboBox1=2 TrackBar1=30 TrackBar2=15 TrackBar3=6 TrackBar4=-4 TrackBar5=1
form2-zoom Form2 ComboBox1=1 TrackBar1=12 TrackBar3=9 Chart1:drag=left,60,20,300,150
form3-network Form3 ComboBox1=1 ComboBox2=2 ComboBox3=1 TrackBar1=20 TrackBar2=5 TrackBar3=-3 TrackBar5=1 TrackBar6=8 TrackBar7=-6 TrackBar8=1
form3-edits Form3 ComboBox1=2 TrackBar1=35 Edit1:text=0.25 Chart2:drag=right,100,80,40,20 Chart3:wheel=2
LIST
ls "$out"/*.png | wc -l
