#!/usr/bin/env bash
# Installs what is missing, builds and runs karvel2d on the given file
# (default: ingresoDatos.txt in the current directory); without a display,
# runs karvel2d-reporte on it instead.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
"$raiz/herramientas/dependencias.sh" programa
cmake -S "$raiz" -B "$raiz/build" -DKARVEL_TESTS=OFF >/dev/null
archivo="${1:-ingresoDatos.txt}"
# Without a display the window cannot open: the report tool reads and solves
# the same file and writes resultados.txt instead.
if [ -z "${DISPLAY:-}" ]; then
  cmake --build "$raiz/build" --target karvel2d-reporte -j"$(nproc)" >/dev/null
  estado=0
  "$raiz/build/karvel2d-reporte" "$archivo" || estado=$?
  # Said after the run, since the tool clears the console when it starts.
  echo "No hay pantalla (DISPLAY no está definida): se ejecutó karvel2d-reporte en lugar de la ventana"
  exit "$estado"
fi
cmake --build "$raiz/build" -j"$(nproc)" >/dev/null
exec "$raiz/build/karvel2d" "$archivo"
