#!/usr/bin/env bash
# Times reading, solving and writing the report of rectangular frames of
# growing size (S storeys x B bays: 10x10 to 100x100), with the peak memory
# without the report, and prints a table. With a second build folder (the
# build before a change), runs the same frames with it too, once each, while
# its previous frame took less than KARVEL_BASE_LIMITE seconds (default 150),
# and adds its figures and the ratios.
# Usage: bench/medir.sh [build] [build anterior] [repeticiones, 3]
# Figures of the new build are medians of the repetitions.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:-$raiz/build}")"
base="${2:-}"
[ -n "$base" ] && base="$(realpath "$base")"
veces="${3:-3}"
limite="${KARVEL_BASE_LIMITE:-150}"
cmake --build "$build" --target generarPortico medirPortico -j2 >/dev/null
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"

# One run of medirPortico of build $1 on modelo.txt: its nine figures and
# the report's size in bytes.
medir() {
  rm -f resultados.txt
  local linea
  linea="$("$1/bench/medirPortico" modelo.txt)"
  echo "$linea $(stat -c %s resultados.txt 2>/dev/null || echo 0)"
  rm -f resultados.txt
}

# Median of each column of the lines on standard input.
medianas() {
  local lineas columnas i salida=()
  lineas="$(cat)"
  columnas=$(head -n 1 <<<"$lineas" | wc -w)
  for i in $(seq "$columnas"); do
    salida+=("$(cut -d' ' -f"$i" <<<"$lineas" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')")
  done
  echo "${salida[*]}"
}

encabezado='| pórtico | GDL libres | lectura [s] | solución [s] | lectura + solución [s] | reporte [s] | reporte [MB/s] | resultados.txt [MB] | memoria pico sin reporte [MB] |'
separador='|---|---|---|---|---|---|---|---|---|'
if [ -n "$base" ]; then
  encabezado="$encabezado antes: lectura + solución [s] | antes: reporte [s] | antes: memoria [MB] | lectura + solución, antes / ahora | reporte, antes / ahora |"
  separador="$separador---|---|---|---|---|"
fi
echo "$encabezado"
echo "$separador"
seguirBase=1
for n in 10 20 30 40 60 100; do
  "$build/bench/generarPortico" "$n" "$n" modelo.txt >/dev/null
  for _ in $(seq "$veces"); do medir "$build"; done | medianas > ahora.txt
  read -r _ _ libres tl ts tr _ ms _ bytes < ahora.txt
  fila=$(awk -v n="$n" -v l="$libres" -v tl="$tl" -v ts="$ts" -v tr="$tr" -v ms="$ms" -v b="$bytes" \
    'BEGIN { printf "| %sx%s | %d | %.4f | %.4f | %.4f | %.2f | %.0f | %.0f | %.0f |", n, n, l, tl, ts, tl + ts, tr, b / 1e6 / tr, b / 1e6, ms }')
  if [ -n "$base" ]; then
    if [ "$seguirBase" -eq 1 ]; then
      read -r _ _ _ btl bts btr _ bms _ _ < <(medir "$base")
      fila="$fila$(awk -v tl="$tl" -v ts="$ts" -v tr="$tr" -v a="$btl" -v b="$bts" -v c="$btr" -v m="$bms" \
        'BEGIN { printf " %.3f | %.2f | %.0f | %.0f | %.1f |", a + b, c, m, (a + b) / (tl + ts), c / tr }')"
      awk -v a="$btl" -v b="$bts" -v c="$btr" -v l="$limite" 'BEGIN { exit !(a + b + c >= l) }' && seguirBase=0
    else
      fila="$fila — | — | — | — | — |"
    fi
  fi
  echo "$fila"
done

# What the folder's file system takes from write() at most, for the report's
# MB/s: 1 GB of zeros in 16 MB blocks, like the report's buffer.
dd if=/dev/zero of=dd.bin bs=16M count=64 2>&1 | awk -F', ' '/copied/ { print "\nEscritura de 1 GB con dd en la misma carpeta: " $NF }'
rm -f dd.bin
