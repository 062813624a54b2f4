#!/usr/bin/env bash
# Installs what is missing, builds and runs karvel2d on the given file
# (default: ingresoDatos.txt in the current directory).
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
"$raiz/herramientas/dependencias.sh" programa
cmake -S "$raiz" -B "$raiz/build" -DKARVEL_TESTS=OFF >/dev/null
cmake --build "$raiz/build" -j"$(nproc)" >/dev/null
archivo="${1:-ingresoDatos.txt}"
exec "$raiz/build/karvel2d" "$archivo"
