#!/usr/bin/env bash
# Writes resultados.txt with two builds of karvel2d-reporte for every input
# of the repository (ingresoDatos.txt, ejemplos/, tests/datos/) and compares
# them byte for byte; for every file that differs prints the differing lines
# of both. Exits 1 when any report differs.
# Usage: herramientas/compararReportes.sh anterior/karvel2d-reporte nuevo/karvel2d-reporte
set -euo pipefail
[ $# -eq 2 ] || { echo "Uso: $0 anterior/karvel2d-reporte nuevo/karvel2d-reporte"; exit 2; }
anterior="$(realpath "$1")"
nuevo="$(realpath "$2")"
raiz="$(cd "$(dirname "$0")/.." && pwd)"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT

iguales=0
distintos=0
while IFS= read -r entrada; do
  for lado in anterior nuevo; do
    mkdir -p "$trabajo/$lado"
    cp "$entrada" "$trabajo/$lado/entrada.txt"
    rm -f "$trabajo/$lado/resultados.txt"
    (cd "$trabajo/$lado" && "${!lado}" entrada.txt >/dev/null 2>&1) || true
  done
  nombre="${entrada#"$raiz"/}"
  a="$trabajo/anterior/resultados.txt"
  b="$trabajo/nuevo/resultados.txt"
  if [ ! -e "$a" ] && [ ! -e "$b" ]; then
    echo "sin reporte en ambos: $nombre"
  elif cmp -s "$a" "$b"; then
    iguales=$((iguales + 1))
  else
    distintos=$((distintos + 1))
    echo "DISTINTO: $nombre"
    diff "$a" "$b" | head -n 40 || true
  fi
done < <(find "$raiz/ingresoDatos.txt" "$raiz/ejemplos" "$raiz/tests/datos" -name '*.txt' -type f | sort)
echo "$iguales iguales, $distintos distintos"
[ "$distintos" -eq 0 ]
