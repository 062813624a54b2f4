#!/usr/bin/env bash
# Installs what is missing, builds and runs karvel2d on the given file
# (default: ingresoDatos.txt in the current directory); without a display,
# runs karvel2d-reporte on it instead. The program has its own build folder,
# build/, without tests; probar.sh builds the tests in folders of its own,
# so the two scripts can run in any order.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
"$raiz/herramientas/dependencias.sh" programa
archivo="${1:-ingresoDatos.txt}"

# The console shows only what the program prints; a failed build shows its log.
registro="$(mktemp)"
trap 'rm -f "$registro"' EXIT
compilar() {
  if ! { cmake -S "$raiz" -B "$raiz/build" -DKARVEL_TESTS=OFF -DKARVEL_VISOR=ON &&
         cmake --build "$raiz/build" --target "$1" -j"$(nproc)"; } >"$registro" 2>&1; then
    cat "$registro"
    exit 1
  fi
}

# Without a display the window cannot open: the report tool reads and solves
# the same file and writes resultados.txt instead.
if [ -z "${DISPLAY:-}" ]; then
  compilar karvel2d-reporte
  estado=0
  "$raiz/build/karvel2d-reporte" "$archivo" || estado=$?
  echo "No hay pantalla (DISPLAY no está definida): se ejecutó karvel2d-reporte en lugar de la ventana"
  exit "$estado"
fi
compilar karvel2d
exec "$raiz/build/karvel2d" "$archivo"
