#!/usr/bin/env bash
# Times the analyses beside the linear one on generated rectangular frames
# (bench/generarPortico S S: two combinations, fixed bases, the self weight
# as mass with g = 9.81): 6 vibration modes, 3 buckling factors of one
# combination and the second order of both combinations, each stage in a
# process of its own so that its peak memory is its own (the memory includes
# reading and the first-order solve). Medians of the repetitions on the
# 60 x 60 frame, one run on the 100 x 100 one. The linear path against the
# build before a change: bench/medirTramos.sh.
# Usage: bench/medirAnalisis.sh [build] [repeticiones, 5]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$raiz/build}")"
veces="${2:-5}"
cmake --build "$build" --target generarPortico medirAnalisis -j2 >/dev/null
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"

mediana() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Column $2 (1-based) of medirAnalisis on frame $1 for stage $3, $4 times.
etapa() {
  local marco="$1" columna="$2" nombre="$3" n="$4"
  for _ in $(seq "$n"); do
    "$build/bench/medirAnalisis" "$marco" "$nombre" | awk -v c="$columna" '{print $c, $5}'
  done
}

printf '| pórtico | GDL libres (subdividido, k = 4) | 6 modos [s] | memoria [MB] | 3 factores de pandeo [s] | memoria [MB] | segundo orden, 2 combos [s] | memoria [MB] |\n'
printf '|---|---|---|---|---|---|---|---|\n'
for tam in 60 100; do
  "$build/bench/generarPortico" "$tam" "$tam" "p$tam.txt" >/dev/null
  n=$veces
  [ "$tam" -eq 100 ] && n=1
  libres="$("$build/bench/medirAnalisis" "p$tam.txt" libres | awk '{print $1 " (" $2 ")"}')"
  fila="| ${tam}x${tam} | $libres "
  for par in 2:modal 3:pandeo 4:segundoOrden; do
    datos="$(etapa "p$tam.txt" "${par%%:*}" "${par##*:}" "$n")"
    t="$(echo "$datos" | awk '{print $1}' | mediana)"
    m="$(echo "$datos" | awk '{print $2}' | mediana)"
    fila+="| $(printf '%.3f' "$t") | $(printf '%.0f' "$m") "
  done
  echo "$fila|"
done

