#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, then
# the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero when any test fails.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
cd "$raiz"
herramientas/dependencias.sh pruebas

hilos="$(nproc)"
export GALLIUM_DRIVER=llvmpipe

# Tests that need a display run under a private X server.
con_pantalla() {
  timeout --kill-after=10 3000 xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}

echo "== Compilación normal =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$hilos"
echo "== Pruebas =="
con_pantalla ctest --test-dir build --output-on-failure -j"$hilos"

echo "== Compilación con sanitizadores (address + undefined) =="
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DKARVEL_SANITIZE=ON >/dev/null
cmake --build build-san -j"$hilos"
echo "== Pruebas con sanitizadores =="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$raiz/herramientas/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
con_pantalla ctest --test-dir build-san --output-on-failure -j"$hilos"
echo "== Fuzzing acotado =="; herramientas/fuzz.sh 60
