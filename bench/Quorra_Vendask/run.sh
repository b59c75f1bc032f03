#!/usr/bin/env bash
# Speed and memory of Quorra_Vendask on synthetic Copenhagen files, end to end: settings, pairing,
# headers, the joining of the four result files and the deletion of the pieces.
#
#   bench/Quorra_Vendask/run.sh [N]      N observation records (default 1000000)
#
# The model results hold 2N records, every other one an arc that no observation asks for, so
# the pairing passes over half of them. Uses build/bin/Quorra_Vendask (a Release build, e.g.
# from scripts/demo) unless VENDASK_BIN names another binary. Needs /usr/bin/time (Debian
# package "time").
set -euo pipefail

N=${1:-1000000}
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=${VENDASK_BIN:-$root/build/bin/Quorra_Vendask}
[ -x "$bin" ] || { echo "no program at $bin: build it first (Release)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing: apt-get install time" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vendask-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/kit" "$work/runs"
printf '[Files]\r\nLocation=cph\r\nResults_path=runs\r\nResults_file=MODEL.TXT\r\nMaster_path=kit\r\n' \
  > "$work/Quorra_Vendask.ini"
printf " 'synthetic trailer'\r\n" > "$work/kit/cph.BTT"

# Three arcs per hour, 24 hours a day, 28 days a month: keys rise with every hour, and two-digit
# years (10 to 99) keep the hours apart in the 32-bit key. That allows N up to about 2.1 million.
awk -v n="$N" -v obs="$work/kit/MASTER.cph" -v mod="$work/runs/MODEL.TXT" 'BEGIN {
  srand(1)
  print "YR MO DY HRE DIST C_OBS CY_OBS USTAR H/L ZMIX" > obs
  print "YR MO DY HRE DIST C_MAX C_CWI" > mod
  split("1.9 3.7 5.4", arc, " ")
  k = 0
  for (yr = 10; yr <= 99 && k < n; yr++)
    for (mo = 1; mo <= 12 && k < n; mo++)
      for (dy = 1; dy <= 28 && k < n; dy++)
        for (hr = 0; hr <= 2300 && k < n; hr += 100)
          for (a = 1; a <= 3 && k < n; a++) {
            c = 500 + 8000 * rand()
            printf "%d %d %d %d %s %.1f %.0f %.2f %.1f %d\r\n", yr, mo, dy, hr, arc[a], c, c * 900, 0.2 + rand() / 2, -50 * rand(), 800 + int(1500 * rand()) > obs
            printf "%d %d %d %d 0.8 %.1f %.0f\r\n", yr, mo, dy, hr, 2 * c, c * 1500 > mod
            printf "%d %d %d %d %s %.1f %.0f\r\n", yr, mo, dy, hr, arc[a], c * (0.5 + rand()), c * 800 > mod
            k++
          }
  if (k < n) { print "N too large for the synthetic calendar" > "/dev/stderr"; exit 1 }
}'

cd "$work"
echo "bench" | /usr/bin/time -v "$bin" > stdout.txt 2> stderr.txt
pairs=$(grep -a -o 'Number of data records: *[0-9]*' stdout.txt | grep -o '[0-9]*$')
seconds=$(grep 'Elapsed (wall clock)' stderr.txt | awk '{ split($NF, t, ":"); s = 0; for (i = 1; i in t; i++) s = s * 60 + t[i]; print s }')
rss_kb=$(grep 'Maximum resident set size' stderr.txt | awk '{ print $NF }')
[ "$pairs" = "$N" ] || { echo "expected $N pairs, the program reported ${pairs:-none}" >&2; cat stdout.txt >&2; exit 1; }
[ -s runs/CP.INP ] && [ ! -e BODY1 ] || { echo "the result files were not joined" >&2; exit 1; }

awk -v n="$N" -v s="$seconds" -v kb="$rss_kb" 'BEGIN {
  printf "Quorra_Vendask: %d pairs (%d model records) in %.2f s: %.0f pairs/s, peak memory %.1f MB\n", n, 2 * n, s, n / s, kb / 1024
}'
