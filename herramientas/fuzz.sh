#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, Eigen's assertions on) and runs each one for a
# bounded time from a copy of the committed corpus, so the repository is
# never modified. Exits non-zero on any crash, sanitizer report, assertion,
# leak or hang; the failing input is printed and kept in
# <build>/fallos/. Usage: herramientas/fuzz.sh [seconds per target, 60]
#
# Limits: inputs up to 4096 bytes. The slowest legitimate files of that size
# are a model of some 680 nodes (2046 freedoms: the sparse solve is quick,
# but resultados.txt prints the structure stiffness in full, 2046² entries)
# and one of 100 bars with 300 combinations (30000 bar results, each sampled
# and reported); with start-up, F5 and every result query the first takes
# about 5 s in this instrumented build (a 25 x 25 frame of 676 nodes, run
# alone); the second, whose cost is in the bars' results and not in the
# solve, took 11 to 16 s.
# An input is a hang past 30 s, which leaves room for a loaded machine;
# anything slower grows faster than the model's size does and is a fault.
set -euo pipefail
segundos="${1:-60}"
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${KARVEL_FUZZ_BUILD:-$raiz/build-fuzz}"

CXX="${CXX_FUZZ:-clang++}" cmake -S "$raiz/fuzz" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzzLectura fuzzComandos

trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$build/fallos"
rm -f "$build/fallos/"*

estado=0
for par in lectura:fuzzLectura comandos:fuzzComandos; do
  corpus="${par%%:*}"
  objetivo="${par##*:}"
  cp -r "$raiz/fuzz/corpus/$corpus" "$trabajo/$corpus"
  echo "-- $objetivo: ${segundos} s desde fuzz/corpus/$corpus"
  # libFuzzer changes nothing outside the scratch copy; the targets write
  # their files in a private temporary directory.
  if ! nice -n 5 "$build/$objetivo" "$trabajo/$corpus" \
      -max_total_time="$segundos" -max_len=4096 -timeout=30 -rss_limit_mb=2048 \
      -dict="$raiz/fuzz/karvel.dict" -artifact_prefix="$build/fallos/$objetivo-" \
      -print_final_stats=1 >"$trabajo/$objetivo.log" 2>&1; then
    estado=1
    echo "FALLO en $objetivo:"
    grep -v '^#' "$trabajo/$objetivo.log" | tail -n 60
    for f in "$build/fallos/$objetivo-"*; do
      [ -f "$f" ] || continue
      echo "Entrada que falla: $f"
      od -c "$f" | head -n 40
    done
  else
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$trabajo/$objetivo.log" || true
    grep -E '^#[0-9]+.*(DONE|INITED)' "$trabajo/$objetivo.log" | tail -n 2 || true
  fi
done
exit "$estado"
