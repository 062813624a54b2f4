#!/usr/bin/env bash
# Reading and solving a 60x60 frame (S storeys x B bays), with the build given
# and the build before a change, alternately, and the same frame with a point
# force at mid-span of every beam (new build only): medians of the
# repetitions of medirPortico's reading and solving times.
# Usage: bench/medirTramos.sh build build-anterior [repeticiones, 7] [S, 60]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "$1")"
base="$(realpath "$2")"
veces="${3:-7}"
n="${4:-60}"
cmake --build "$build" --target generarPortico medirPortico -j2 >/dev/null
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"
"$build/bench/generarPortico" "$n" "$n" liso.txt >/dev/null
"$build/bench/generarPortico" "$n" "$n" puntuales.txt puntuales >/dev/null

# Reading + solving seconds of one run (fields 4 and 5 of medirPortico).
leerYResolver() { "$1/bench/medirPortico" "$2" | awk '{ printf "%.4f\n", $4 + $5 }'; rm -f resultados.txt; }
mediana() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > ahora.txt; : > antes.txt; : > puntuales.txt.t
for _ in $(seq "$veces"); do
  leerYResolver "$build" liso.txt >> ahora.txt
  leerYResolver "$base" liso.txt >> antes.txt
  leerYResolver "$build" puntuales.txt >> puntuales.txt.t
done
a=$(mediana < ahora.txt); b=$(mediana < antes.txt); p=$(mediana < puntuales.txt.t)
echo "| pórtico | lectura + solución [s] | antes [s] | ahora / antes |"
echo "|---|---|---|---|"
awk -v n="$n" -v a="$a" -v b="$b" 'BEGIN { printf "| %sx%s | %.4f | %.4f | %.2f |\n", n, n, a, b, a / b }'
awk -v n="$n" -v p="$p" -v b="$b" 'BEGIN { printf "| %sx%s con puntuales a media luz | %.4f | — | %.2f |\n", n, n, p, p / b }'
