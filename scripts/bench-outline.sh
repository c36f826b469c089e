#!/usr/bin/env bash
# The outline benchmark with other parsers beside ours: builds bench/outline_bench
# natively, gathers the LaTeX sources shipped by Debian's texlive-latex-base-doc
# as a real corpus, writes the generated thesis and .bib, times the JavaScript
# parsers of bench/compare/ and bibtool on the same files, and prints one table,
# then how far the scanner agrees with a JavaScript LaTeX parser on the
# corpus: per file, the number of sectioning commands and of labels.
# Anything that cannot be installed or run shows as "not measured".
#   BENCH_DIR      work folder (default build/outline-bench)
#   BENCH_BUILD    native build folder (default BENCH_DIR/native)
#   BENCH_BUDGET   processor seconds per JavaScript parser and input (default 20)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
work=${BENCH_DIR:-$root/build/outline-bench}
budget=${BENCH_BUDGET:-20}
mkdir -p "$work"
log="$work/bench.log"
: >"$log"

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
apt_install() {
  local missing=()
  for p in "$@"; do have_pkg "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1 ||
    { apt-get update -qq >>"$log" 2>&1 && apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1; }
}

# --- tools and the real corpus --------------------------------------------------
apt_install cmake g++ libgtest-dev || echo "cannot install the build tools (see $log)"
apt_install bibtool || echo "bibtool not installed: its row is not measured"
npmdir="$work/npm"
scripts/compare-install.sh "$npmdir"   # Node.js, the JavaScript parsers, texlive-latex-base-doc
have_pkg texlive-latex-base-doc || echo "texlive-latex-base-doc not installed: the corpus is not measured"

corpus="$work/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
if have_pkg texlive-latex-base-doc; then
  # Flat names ("latex__base__clsguide.tex"); compressed sources unpacked.
  while IFS= read -r f; do
    rel=${f#/usr/share/doc/}
    out="$corpus/${rel//\//__}"
    case "$f" in
      *.gz) gzip -dc "$f" >"${out%.gz}" 2>>"$log" || rm -f "${out%.gz}" ;;
      *) cp "$f" "$out" ;;
    esac
  done < <(dpkg -L texlive-latex-base-doc | grep -E '\.tex(\.gz)?$' | while IFS= read -r f; do [ -f "$f" ] && echo "$f"; done)
fi
corpus_files=$(find "$corpus" -name '*.tex' | wc -l)

# --- our figures ----------------------------------------------------------------
native=${BENCH_BUILD:-$work/native}
echo "Building outline_bench"
if ! { cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release >>"$log" 2>&1 &&
       cmake --build "$native" -j2 --target outline_bench >>"$log" 2>&1; }; then
  tail -n 30 "$log"
  echo "outline_bench: build failed"
  exit 1
fi
inputs="$work/inputs"
rm -rf "$inputs"
corpus_arg=()
[ "$corpus_files" -gt 0 ] && corpus_arg=(--corpus "$corpus" --counts)
echo "Running outline_bench"
if ! "$native/bin/outline_bench" "${corpus_arg[@]}" --inputs "$inputs" >"$work/ours.txt" 2>>"$log"; then
  cat "$work/ours.txt"
  echo "outline_bench failed (see $log)"
  exit 1
fi
grep -v '^count ' "$work/ours.txt"
results="$work/results.txt"
grep '^rate ' "$work/ours.txt" | awk '{print $2, $3, $4, $5, "-"}' >"$results"

# --- the JavaScript parsers -------------------------------------------------------
node_ok=0
if command -v node >/dev/null && cmp -s bench/compare/package.json "$npmdir/.installed"; then
  node_ok=1
  cp bench/compare/time_parsers.mjs bench/compare/count_outline.mjs "$npmdir/"
else
  echo "the JavaScript parsers are not installed: their rows are not measured"
fi
js() { # parser input path
  local line
  [ "$node_ok" = 1 ] || return
  echo "Timing $1 on $2"
  line=$(cd "$npmdir" && timeout $((budget * 10 + 120)) node --single-threaded-gc time_parsers.mjs "$1" "$2" "$3" "$budget" 2>>"$log" | grep '^rate ')
  [ -n "$line" ] && echo "$line" | cut -d' ' -f2- >>"$results"
}
for parser in latex-utensils unified-latex; do
  [ "$corpus_files" -gt 0 ] && js "$parser" corpus "$corpus"
  js "$parser" thesis "$inputs"
done
js latex-utensils-bib bib "$inputs/refs.bib"
js bibtex-parser bib "$inputs/refs.bib"

# --- bibtool: reads and pretty-prints the database; the fastest of three runs ------
if command -v bibtool >/dev/null; then
  echo "Timing bibtool on bib"
  best=""
  for run in 1 2 3; do
    t=$( { TIMEFORMAT='%U %S'; time bibtool -q -o /dev/null "$inputs/refs.bib" >/dev/null 2>>"$log"; } 2>&1 | tail -n 1)
    s=$(echo "$t" | awk '{print $1 + $2}')
    best=$(awk -v a="$best" -v b="$s" 'BEGIN { print (a == "" || b < a) ? b : a }')
  done
  bytes=$(stat -c %s "$inputs/refs.bib")
  awk -v b="$bytes" -v s="$best" 'BEGIN { mb = b / 1048576; if (s > 0) printf "bib bibtool %.2f %.2f -\n", mb, mb / s }' >>"$results"
fi

# --- the table ------------------------------------------------------------------
expected="corpus latex-utensils
corpus unified-latex
thesis latex-utensils
thesis unified-latex
bib latex-utensils-bib
bib bibtex-parser
bib bibtool"
echo
echo "Processor time; MB = 2^20 bytes; ours/theirs = our MB/s over theirs on the same input"
printf '%-7s %-20s %9s %10s %12s  %s\n' input parser MB MB/s ours/theirs notes
awk '
  NR == FNR { if ($2 == "scanner" || $2 == "CBibTeX") ours[$1] = $4; rows[++n] = $0; seen[$1 " " $2] = 1; next }
  { if (!(($1 " " $2) in seen)) rows[++n] = $1 " " $2 " - - not-measured" }
  END {
    split("corpus thesis bib", order, " ")
    for (o = 1; o <= 3; ++o) for (i = 1; i <= n; ++i) {
      split(rows[i], f, " ")
      if (f[1] != order[o]) continue
      if (f[3] == "-") { printf "%-7s %-20s %9s %10s %12s  %s\n", f[1], f[2], "", "not measured", "", ""; continue }
      notes = ""
      for (k = 6; k <= split(rows[i], g, " "); ++k) notes = notes " " g[k]
      if (f[5] == "-" || f[2] == "scanner" || f[2] == "CBibTeX") notes = ""
      else notes = "found " f[5] notes
      ratio = (f[2] == "scanner" || f[2] == "CBibTeX") ? "1" : (f[4] > 0 && (f[1] in ours) ? sprintf("%.0f", ours[f[1]] / f[4]) : "")
      printf "%-7s %-20s %9.2f %10.2f %12s  %s\n", f[1], (f[2] == "scanner" || f[2] == "CBibTeX") ? f[2] " (ours)" : f[2], f[3], f[4], ratio, notes
    }
  }' "$results" <(echo "$expected")
grep '^whole thesis' "$work/ours.txt"
[ "$corpus_files" -gt 0 ] || echo "corpus: not measured (texlive-latex-base-doc missing)"

# --- agreement on the corpus: sectioning commands and labels per file ----------------
if [ "$node_ok" = 1 ] && [ "$corpus_files" -gt 0 ]; then
  echo "Counting with latex-utensils"
  (cd "$npmdir" && timeout 600 node count_outline.mjs "$corpus" 2>>"$log") >"$work/theirs-counts.txt"
  grep '^count ' "$work/ours.txt" | sort -k2,2 >"$work/ours-counts.txt"
  echo
  echo "Agreement with latex-utensils on the corpus (per file: sectioning commands, labels; ours / theirs)"
  join -1 2 -2 2 "$work/ours-counts.txt" <(sort -k2,2 "$work/theirs-counts.txt") | awk '
    $6 == "rejected" { ++rejected; print "  rejected by latex-utensils: " $1; next }
    { os += $3; ol += $4; ts += $6; tl += $7
      if ($3 == $6 && $4 == $7) ++agree
      else { ++differ; printf "  differs: %s  sectioning %d / %d, labels %d / %d\n", $1, $3, $6, $4, $7 } }
    END {
      printf "agreement: %d of %d files agree on both counts, %d differ, %d rejected by latex-utensils\n",
        agree, agree + differ + rejected, differ, rejected
      printf "totals over the files both read: sectioning %d / %d, labels %d / %d\n", os, ts, ol, tl
    }'
else
  echo "agreement: not measured (needs latex-utensils and the corpus)"
fi
