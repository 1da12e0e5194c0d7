#!/usr/bin/env bash
# Our plate blur against ImageMagick's Gaussian blurs (-blur, two passes; -gaussian-blur, one 2-D
# pass) on the same photo and zone and the same sigma (our radius), one thread each.
# Usage: compare_blur.sh BUILD_DIR (a build with -DGARVEX_BENCH=ON)
set -euo pipefail
bench=$1/bench/photos/bench_blur
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$bench" --write-scene "$tmp" 2>/dev/null
"$bench" --benchmark_filter='BM_GaussianBlur(PlateZone|WholePhoto)' --benchmark_min_time=0.5 \
  --benchmark_format=json >"$tmp/ours.json" 2>/dev/null

# ImageMagick's own timing of the operator alone (-bench), file reading left out.
magick_ms() {  # picture operator radius iterations
  local line
  line=$(MAGICK_THREAD_LIMIT=1 convert "$tmp/$1.ppm" -bench "$4" "-$2" "0x$3" null: 2>&1 |
    grep -m1 'Performance\[1\]')
  awk '{ sub(/ips$/, "", $3); printf "%.3f\n", 1000 / $3 }' <<<"$line"
}

{
  for r in 2 5 10; do
    echo "zone $r $(magick_ms zone blur "$r" 40) $(magick_ms zone gaussian-blur "$r" 10)"
    echo "photo $r $(magick_ms photo blur "$r" 8) $(magick_ms photo gaussian-blur "$r" 2)"
  done
} >"$tmp/magick.txt"

/usr/bin/python3 - "$tmp/ours.json" "$tmp/magick.txt" <<'PY'
import json, sys
ours = {b["name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]}
names = {"zone": "BM_GaussianBlurPlateZone", "photo": "BM_GaussianBlurWholePhoto"}
titles = {"zone": "plate zone 200 x 60", "photo": "whole photo 640 x 480"}
print("| picture | radius (sigma) | ours | ImageMagick -blur | IM / ours | ImageMagick -gaussian-blur | IM / ours |")
print("|---|---|---|---|---|---|---|")
for line in open(sys.argv[2]):
    pic, r, blur, gauss = line.split()
    mine = ours[f"{names[pic]}/{r}"]
    print(f"| {titles[pic]} | {r} | {mine:.2f} ms | {float(blur):.2f} ms | {float(blur) / mine:.1f} x "
          f"| {float(gauss):.2f} ms | {float(gauss) / mine:.1f} x |")
PY
