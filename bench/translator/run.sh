#!/usr/bin/env bash
# TRAXO throughput and memory: translates generated plots of 1,000,000 and 4,000,000 macro lines
# (10,000 per page) with the Release binary and reports input lines per second and the peak
# resident memory, which should not grow with the input. Beside it stands the floor: cat reading
# the same input and writing as many bytes as the page files hold, so that the figure says how
# far the translation itself is from the cost of the I/O.
# Usage: bench/translator/run.sh        (BUILD_DIR=build-xyz to use another build folder;
#                                       TMPDIR=/dev/shm to keep disk write-back out of the figures)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD_DIR:-build}
traxo=$PWD/$build/bin/TRAXO

if [ ! -x "$traxo" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target TRAXO -j 4 >/dev/null
fi
[ -x /usr/bin/time ] || { echo "run.sh needs /usr/bin/time (Debian package \"time\")" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A plot of $1 macro lines over $1/10000 pages: moves and line-tos with a translation now and then.
make_plot() {
  awk -v macros="$1" 'BEGIN {
    print "%!PS-Adobe-3.0 EPSF-3.0"; print "/M {moveto} bind def"; print "/L {lineto} bind def"
    for (i = 0; i < macros; i++) {
      if (i % 997 == 996)      print (i % 7) - 3, (i % 5) - 2, "translate"
      else if (i % 10 == 0)    print (i == 0 ? "0 0" : (i % 360) " " (i % 290)), "M"
      else                     print (i * 7) % 360, (i * 13) % 290, "L"
      if (i % 10000 == 9999)   print "stroke gsave showpage grestore"
    }
    print "%%Trailer"
  }' > "$2"
}

echo "TRAXO benchmark ($(nproc) cores, binary $traxo)"
for macros in 1000000 4000000; do
  dir=$work/$macros
  mkdir -p "$dir"
  make_plot "$macros" "$dir/plot.eps"
  lines=$(wc -l < "$dir/plot.eps")
  best=""
  worst=""
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    (cd "$dir" && /usr/bin/time -v -o time.txt "$traxo" plot > console.txt)
    end=$(date +%s%N)
    ns=$((end - start))
    if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then best=$ns; fi
    if [ -z "$worst" ] || [ "$ns" -gt "$worst" ]; then worst=$ns; fi
  done
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$dir/time.txt")
  pages=$(ls "$dir"/plot*.hgl | wc -l)
  cat "$dir"/plot*.hgl > "$dir/pages.bin"
  rm -f "$dir"/plot*.hgl
  floor=""
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    (cd "$dir" && cat plot.eps > /dev/null && cat pages.bin > floor.out)
    end=$(date +%s%N)
    ns=$((end - start))
    if [ -z "$floor" ] || [ "$ns" -lt "$floor" ]; then floor=$ns; fi
  done
  awk -v l="$lines" -v ns="$best" -v worst="$worst" -v rss="$rss" -v p="$pages" -v m="$macros" -v floor="$floor" \
      -v in_bytes="$(stat -c %s "$dir/plot.eps")" -v out_bytes="$(stat -c %s "$dir/pages.bin")" 'BEGIN {
    printf "%8d macro lines, %9d input lines, %3d pages: best of 5 %.3f s (worst %.3f s) = %.2f million lines/s, peak memory %d KiB\n",
           m, l, p, ns / 1e9, worst / 1e9, l / (ns / 1e9) / 1e6, rss
    printf "%8s cat floor (%d bytes in, %d bytes out): best of 5 %.3f s; TRAXO takes %.1f times the floor\n",
           "", in_bytes, out_bytes, floor / 1e9, ns / floor }'
  rm -rf "$dir"
done
