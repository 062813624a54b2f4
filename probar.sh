#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, the
# numerical core alone (no OpenGL, no GLUT), the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz. Each
# build has its own folder, with the tests switched on explicitly, so an
# earlier ./ejecutar.sh (which builds build/ without tests) never leaves a
# build that runs none. Exits non-zero when any test fails.
#
# ./probar.sh rapido is the edit-test loop: the normal build only, and its
# unit and whole-file tests (ctest labels unidad and archivos), without a
# display, the sanitizers or the fuzz. ./probar.sh alone is the full run.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
cd "$raiz"
case "${1:-}" in
  "" | rapido) ;;
  *) echo "Uso: ./probar.sh [rapido]"; exit 2 ;;
esac
herramientas/dependencias.sh pruebas

hilos="$(nproc)"
export GALLIUM_DRIVER=llvmpipe

compilacion_normal() {
  cmake -S . -B build-pruebas -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVEL_TESTS=ON \
    -DKARVEL_SANITIZE=OFF -DKARVEL_VISOR=ON >/dev/null
  cmake --build build-pruebas -j"$hilos"
}

if [ "${1:-}" = rapido ]; then
  echo "== Compilación normal =="
  compilacion_normal
  echo "== Pruebas unidad y archivos (sin pantalla, sin sanitizadores ni fuzzing) =="
  ctest --test-dir build-pruebas --output-on-failure --no-tests=error -j"$hilos" \
    -L '^(unidad|archivos)$'
  exit 0
fi

# Tests that need a display run under a private X server; a build with no
# test is an error, not a success. The server's number is sought from a
# random start, so two test runs on one machine do not race for the first
# free number.
con_pantalla() {
  timeout --kill-after=10 3000 xvfb-run -n "$((100 + RANDOM % 800))" -a \
    -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$1" --output-on-failure --no-tests=error -j"$hilos"
}

echo "== Compilación normal =="
compilacion_normal
echo "== Pruebas =="
con_pantalla build-pruebas
# Every test belongs to a tier, so that ctest -L and ./probar.sh rapido miss
# none by accident.
sinEtiqueta="$(ctest --test-dir build-pruebas -N -LE '^(unidad|archivos|visor|fuzz)$' |
  sed -n 's/^ *Test *#[0-9]*: //p')"
if [ -n "$sinEtiqueta" ]; then
  echo "Pruebas sin etiqueta (unidad, archivos, visor o fuzz):"
  echo "$sinEtiqueta"
  exit 1
fi

echo "== Núcleo numérico sin visor (sin OpenGL ni GLUT) =="
cmake -S . -B build-sinvisor -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVEL_TESTS=ON \
  -DKARVEL_SANITIZE=OFF -DKARVEL_VISOR=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON -DCMAKE_DISABLE_FIND_PACKAGE_GLUT=ON >/dev/null
cmake --build build-sinvisor -j"$hilos"
ctest --test-dir build-sinvisor --output-on-failure --no-tests=error -j"$hilos"

echo "== Compilación con sanitizadores (address + undefined) =="
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DKARVEL_TESTS=ON -DKARVEL_SANITIZE=ON \
  -DKARVEL_VISOR=ON >/dev/null
cmake --build build-san -j"$hilos"
echo "== Pruebas con sanitizadores =="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$raiz/herramientas/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
con_pantalla build-san
echo "== Fuzzing acotado =="; herramientas/fuzz.sh 60
