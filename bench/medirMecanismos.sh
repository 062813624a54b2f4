#!/usr/bin/env bash
# The two mistakes of a large frame against the sound frame, with the build
# given and the build before a change, alternately: the S x S frame of
# generarPortico (40x40 by default), the same with a loaded node that no bar
# reaches (nudoSuelto) and with a storey of columns hinged at both ends
# (pisoArticulado). For each: seconds of reading and solving and the peak
# memory after solving (medirPortico), and the whole process of
# karvel2d-reporte --solo-tablas as a user runs it (seconds and peak memory).
# Medians of the repetitions; ratios against the sound frame of the same
# build and against the build before.
# Usage: bench/medirMecanismos.sh build build-anterior [repeticiones, 3] [S, 40]
set -euo pipefail
build="$(realpath "$1")"
base="$(realpath "$2")"
veces="${3:-3}"
n="${4:-40}"
cmake --build "$build" --target generarPortico medirPortico karvel2d-reporte -j2 >/dev/null
for b in "$build" "$base"; do
  for p in bench/medirPortico karvel2d-reporte; do
    [ -x "$b/$p" ] || { echo "falta $b/$p"; exit 1; }
  done
done
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
cd "$trabajo"
casos=(sano nudoSuelto pisoArticulado)
for c in "${casos[@]}"; do "$build/bench/generarPortico" "$n" "$n" "$c.txt" "$c" >/dev/null; done

# Reading + solving seconds and peak MB after solving (fields 4, 5 and 8).
leerYResolver() {
  (cd "$trabajo" && "$1/bench/medirPortico" "$2" | awk '{ printf "%.4f %.1f\n", $4 + $5, $8 }')
  rm -f "$trabajo/resultados.txt"
}
# Wall seconds and peak MB of karvel2d-reporte --solo-tablas, console discarded.
proceso() {
  python3 -c '
import resource, subprocess, sys, time
t = time.monotonic()
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print("%.3f %.1f" % (time.monotonic() - t,
                     resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024))
' "$1/karvel2d-reporte" --solo-tablas "$2"
  rm -rf "$trabajo/resultados-tablas"
}
mediana() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for _ in $(seq "$veces"); do
  for c in "${casos[@]}"; do
    for b in ahora antes; do
      [ "$b" = ahora ] && dir="$build" || dir="$base"
      leerYResolver "$dir" "$c.txt" >> "$c.$b.solucion"
      proceso "$dir" "$c.txt" >> "$c.$b.proceso"
    done
  done
done

# Median of column $2 of file $1.
med() { awk -v k="$2" '{ print $k }' "$1" | mediana; }
echo "Pórtico de ${n}x${n}, medianas de $veces repeticiones (antes: $base)"
echo
echo "| pórtico | lectura + solución [s] | memoria [MB] | karvel2d-reporte --solo-tablas [s] | memoria del proceso [MB] | antes: lectura + solución [s] | antes: memoria [MB] | antes: proceso [s] | antes: memoria del proceso [MB] | proceso, antes / ahora | lectura + solución, ahora / sano | memoria, ahora / sano | proceso, ahora / sano | memoria del proceso, ahora / sano |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
ss=$(med sano.ahora.solucion 1); ms=$(med sano.ahora.solucion 2)
ps=$(med sano.ahora.proceso 1); mps=$(med sano.ahora.proceso 2)
for c in "${casos[@]}"; do
  awk -v c="$c" -v ts="$(med "$c.ahora.solucion" 1)" -v m="$(med "$c.ahora.solucion" 2)" \
      -v tp="$(med "$c.ahora.proceso" 1)" -v mp="$(med "$c.ahora.proceso" 2)" \
      -v bts="$(med "$c.antes.solucion" 1)" -v bm="$(med "$c.antes.solucion" 2)" \
      -v btp="$(med "$c.antes.proceso" 1)" -v bmp="$(med "$c.antes.proceso" 2)" \
      -v ss="$ss" -v ms="$ms" -v ps="$ps" -v mps="$mps" 'BEGIN {
    printf "| %s | %.4f | %.0f | %.3f | %.0f | %.4f | %.0f | %.3f | %.0f | %.1f | %.2f | %.2f | %.2f | %.2f |\n",
           c, ts, m, tp, mp, bts, bm, btp, bmp, btp / tp, ts / ss, m / ms, tp / ps, mp / mps }'
done
