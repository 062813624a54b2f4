#!/usr/bin/env bash
# Influence lines and moving loads on a 60x60 frame (S storeys x B bays):
# a path along the first floor of P beams (15, 30 and the whole floor), a
# truck of three axles with a lane load, and the whole process of
# `karvel2d-reporte --influencia M:<mid-span of the path's middle beam>` and
# of `karvel2d-reporte --envolventeTren` (every station of every bar of the
# model): medians of the repetitions of the wall time, and the peak memory.
# Usage: bench/medirInfluencia.sh build [repeticiones, 5] [S, 60]
set -euo pipefail
build="$(realpath "$1")"
veces="${2:-5}"
n="${3:-60}"
cmake --build "$build" --target generarPortico karvel2d-reporte -j2 >/dev/null
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"
"$build/bench/generarPortico" "$n" "$n" portico.txt >/dev/null
# The generator numbers the n·(n+1) columns first, then the beams floor by
# floor from the left: the first floor's beams follow the columns.
primeraViga=$((n * (n + 1) + 1))

mediana() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Wall seconds and peak MB of one run of the report tool.
medir() {
  /usr/bin/time -f "%e %M" -o tiempo.txt "$build/karvel2d-reporte" "$@" >/dev/null
  read -r s kb < tiempo.txt
  echo "$s $((kb / 1024))"
}

echo "| vigas del recorrido | --influencia [s] | memoria [MB] | --envolventeTren [s] | memoria [MB] |"
echo "|---|---|---|---|---|"
for p in $((n / 4)) $((n / 2)) "$n"; do
  cp portico.txt modelo.txt
  {
    printf 'recorrido: PISO1'
    for b in $(seq "$primeraViga" $((primeraViga + p - 1))); do printf ' %s' "$b"; done
    printf '\ntren: CAMION 9.3 35 4.3 145 4.3 145\n'
  } >> modelo.txt
  respuesta="M:$((primeraViga + p / 2)):2.5"
  : > linea.txt; : > tren.txt
  for _ in $(seq "$veces"); do
    medir --influencia "$respuesta" modelo.txt >> linea.txt
    medir --envolventeTren modelo.txt >> tren.txt
  done
  l=$(cut -d' ' -f1 linea.txt | mediana); lm=$(cut -d' ' -f2 linea.txt | mediana)
  t=$(cut -d' ' -f1 tren.txt | mediana); tm=$(cut -d' ' -f2 tren.txt | mediana)
  echo "| $p | $l | $lm | $t | $tm |"
done
