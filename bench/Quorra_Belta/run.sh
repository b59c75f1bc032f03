#!/usr/bin/env bash
# Speed and memory of a whole Quorra_Belta run on synthetic inputs: N observations and N model
# records that all pair at quality level 0. Prints pairs per second and the peak resident size.
#   bench/Quorra_Belta/run.sh [build folder, default build] [N, default 1000000]
# The build folder must hold a Release build (cmake -DCMAKE_BUILD_TYPE=Release).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
n=${2:-1000000}
case $build in /*) ;; *) build=$root/$build ;; esac
binary=$build/bin/Quorra_Belta
if [ ! -x "$binary" ]; then
  echo "No $binary: build it first (cmake --build $build --target Quorra_Belta)" >&2
  exit 1
fi
if [ ! -x /usr/bin/time ]; then
  echo "/usr/bin/time is missing: apt-get install time" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '[Files]\r\nResults_path=.\r\nResults_file=MODEL.TXT\r\nMaster_path=.\r\n' > Quorra_Belta.ini
printf " 'Synthetic trailer'\r\n" > IND.BTT

# Keys ascend by month, day and hour, distances ascend within a key; every quality flag occurs.
awk -v n="$n" 'BEGIN {
  perHour = int((n + 8063) / 8064)
  print " YR MO DY HR DIST C_OBS QUAL USTAR H/L ZMIX" > "MASTER.IND"
  print " YR MO DY HR DIST C_MOD" > "MODEL.TXT"
  count = 0
  for (mo = 1; mo <= 12 && count < n; mo++)
    for (dy = 1; dy <= 28 && count < n; dy++)
      for (hr = 0; hr <= 23 && count < n; hr++)
        for (k = 1; k <= perHour && count < n; k++) {
          d = k * 0.25
          printf "85 %d %d %d %.2f %.1f %d 0.412 -12.5 %d.\r\n", mo, dy, hr, d, 10 + (count % 997), count % 4, 500 + (count % 1500) >> "MASTER.IND"
          printf "85 %d %d %d %.2f %.1f\r\n", mo, dy, hr, d, 12 + (count % 991) >> "MODEL.TXT"
          count++
        }
}'

echo "inputs: $n observations, $n model records ($(du -h MASTER.IND | cut -f1) + $(du -h MODEL.TXT | cut -f1))"
for level in 0 2; do
  printf '%s\nbench\n' "$level" | /usr/bin/time -v "$binary" > out.txt 2> time.txt || true
  pairs=$(tr -d '\r' < out.txt | sed -n 's/^Number of data records: *//p')
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' time.txt | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
  awk -v l="$level" -v p="$pairs" -v s="$seconds" -v r="$rss" 'BEGIN {
    printf "level %s: %d pairs in %.2f s = %.0f pairs/s, peak resident %.1f MB\n", l, p, s, (s > 0 ? p / s : 0), r / 1024 }'
done
