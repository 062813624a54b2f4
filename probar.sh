#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, the
# numerical core alone (no OpenGL, no GLUT), the same tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded fuzz. Each
# build has its own folder, with the tests switched on explicitly, so an
# earlier ./ejecutar.sh (which builds build/ without tests) never leaves a
# build that runs none. Exits non-zero when any test fails.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
cd "$raiz"
herramientas/dependencias.sh pruebas

hilos="$(nproc)"
export GALLIUM_DRIVER=llvmpipe

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
cmake -S . -B build-pruebas -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVEL_TESTS=ON \
  -DKARVEL_SANITIZE=OFF -DKARVEL_VISOR=ON >/dev/null
cmake --build build-pruebas -j"$hilos"
echo "== Pruebas =="
con_pantalla build-pruebas

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
