#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the benchmark table (Markdown) from the raw figures that bench/run.sh wrote.
#   bash bench/table.sh bench/out
set -euo pipefail
out="$1"

median() { # a file of numbers, or one column of it
  awk -v c="${2:-1}" '{ print $c }' "$out/$1" | sort -g |
    awk '{ a[NR] = $1 } END { if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}
declare -A shown
most() { awk -v c="${2:-1}" '{ print $c }' "$out/$1" | sort -g | tail -1; }
# A row: figure, Playhaven, reference, unit, goal text, and an awk test on v (value) and
# r (reference), or "-" for a figure without a goal.
row() {
  local test="$6" judged=1
  [ "$test" = - ] && test=1 judged=0
  awk -v name="$1" -v v="$2" -v r="$3" -v unit="$4" -v goal="$5" -v judged="$judged" "BEGIN {
    ratio = (r + 0 != 0) ? sprintf(\"%.2f\", v / r) : \"-\"
    met = !judged ? \"-\" : (($test) ? \"yes\" : \"**no**\")
    ref = (r == \"-\") ? \"-\" : r \" \" unit
    printf \"| %s | %s %s | %s | %s | %s | %s |\\n\", name, v, unit, ref, ratio, goal, met
  }"
}

n=$(wc -l <"$out/startup_playhaven")
echo "Medians of $n runs. Reference: the minimal Qt program measured in the same run, or the nominal time."
if [ -s "$out/scale" ]; then
  echo "Display scale the program chose (from the logon's width): $(sort "$out/scale" | uniq -c | awk '{ printf "%s%s in %d run(s)", sep, $2, $1; sep = ", " }')."
fi
echo
echo "| figure | Playhaven | reference | ratio | goal | met |"
echo "|---|---|---|---|---|---|"
row "start-up: exec to logon mapped and painted" "$(median startup_playhaven)" "$(median startup_minimal)" ms "<= 1.3x" "v / r <= 1.3"
for w in logon launcher board spinner; do
  row "resident memory, $w shown" "$(median rss_$w)" "$(median rss_minimal)" MB "<= 1.5x" "v / r <= 1.5"
done
# Like with like: the windows that open maximized beside the minimal program maximized.
if [ -s "$out/rss_minimal_max" ]; then
  for w in launcher board; do
    row "resident memory, $w shown, vs minimal maximized" "$(median rss_$w)" "$(median rss_minimal_max)" MB "<= 1.5x" "v / r <= 1.5"
  done
fi
for w in logon launcher board spinner; do
  limit=1
  [ "$w" = board ] && limit=2
  row "idle CPU over 10 s, $w shown" "$(median idle_$w)" "$(median idle_minimal)" ms/s "< $limit ms/s" "v < $limit"
done
row "rocket race: wall vs ticks x 30 ms" "$(median race 1)" "$(median race 2)" ms "within 5 %" "v / r >= 0.95 && v / r <= 1.05"
row "board splash colours: wall vs 40 x 500 ms" "$(median colours)" 20000 ms "within 5 %" "v / r >= 0.95 && v / r <= 1.05"
row "label slides: wall vs 2 x 100 x 50 ms" "$(median slides)" 10000 ms "within 5 %" "v / r >= 0.95 && v / r <= 1.05"
row "glide (1920 x 1080, centred): wall" "$(median glide_wall)" "-" s "1 to 3 s" "v >= 1 && v <= 3"
row "glide: CPU time" "$(median glide_cpu)" "$(median glide_wall)" s "(reference: its wall time)" -
# The scale the program chose first, then the others measured.
chosen=$(sort "$out/scale" 2>/dev/null | uniq -c | sort -rn | awk 'NR == 1 { print $2 }')
for f in "$out/relayout_$chosen" "$out"/relayout_*; do
  [ -f "$f" ] && [ "${f##*.}" != log ] || continue
  f=${f##*/} s=${f#relayout_}
  [ -z "${shown[$s]:-}" ] || continue
  shown[$s]=1
  row "board re-layout on F11, scale $s: geometry to painted" "$(median "$f" 1)" "-" ms "< 16 ms" "v < 16"
  row "board re-layout on F11, scale $s: the slowest of $(wc -l <"$out/$f")" "$(most "$f" 1)" "-" ms "-" -
  row "board re-layout on F11, scale $s: key to painted" "$(median "$f" 2)" "-" ms "(with the window manager)" -
done
row "files: bytes written under HOME (most of any run)" "$(most files_playhaven)" "$(most files_minimal)" B "0" "v == 0"
echo
echo "Race ratios (wall / ticks x 30 ms), one a race: $(awk '{ printf "%s ", $3 }' "$out/race")"
