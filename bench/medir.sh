#!/usr/bin/env bash
# Times reading, solving and writing the report of rectangular frames of
# growing size (S storeys x B bays), with peak memory, and prints a table.
# Stops growing once a stage takes a minute or more.
# Usage: bench/medir.sh [build dir] (default: build)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
cmake --build "$build" --target generarPortico medirPortico -j2 >/dev/null
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"

printf '| pórtico | nudos | barras | GDL libres | lectura [s] | solución [s] | reporte [s] | memoria pico [MB] | resultados.txt [MB] |\n'
printf '|---|---|---|---|---|---|---|---|---|\n'
for n in 10 20 30 40 50 60 70 80; do
  "$build/bench/generarPortico" "$n" "$n" modelo.txt >/dev/null
  read -r nudos barras libres tl ts tr ml ms mr < <("$build/bench/medirPortico" modelo.txt)
  tamano=$(du -m resultados.txt | cut -f1)
  printf '| %sx%s | %s | %s | %s | %.3f | %.3f | %.3f | %.0f | %s |\n' \
    "$n" "$n" "$nudos" "$barras" "$libres" "$tl" "$ts" "$tr" "$mr" "$tamano"
  rm -f resultados.txt
  if awk -v a="$tl" -v b="$ts" -v c="$tr" 'BEGIN { exit !(a >= 60 || b >= 60 || c >= 60) }'; then
    break
  fi
done
