#!/usr/bin/env bash
# The viewer's speed under Xvfb and the software renderer (llvmpipe):
#   - frames per second on the 30x30 frame with the moment layer and the
#     combination GRAV on, while the view is panned with the mouse (three
#     pans of about 4 s, median);
#   - CPU use of the viewer while nothing happens, over 5 s (three times,
#     median), as a share of one core;
#   - seconds from start until the first frame of the 60x60 frame is shown
#     (this includes reading and solving the model).
# Frames are counted by the preload library contarCuadros, so the same
# script measures any build of karvel2d, old or new.
# Usage: bench/medirVisor.sh [build dir] [preload library] [--sin60]
#   The library defaults to the one of the build; pass another one to
#   measure a build that has none. --sin60 skips the 60x60 start-up.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
precarga="${2:-$build/bench/contarCuadros.so}"
[ "${3:-}" = --sin60 ] && sin60=1 || sin60=0
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$precarga" "${3:-}"
fi
export GALLIUM_DRIVER=llvmpipe
[ -x "$build/karvel2d" ] || { echo "falta $build/karvel2d"; exit 1; }
[ -f "$precarga" ] || { echo "falta la biblioteca $precarga"; exit 1; }
[ -x "$build/bench/generarPortico" ] || { echo "falta $build/bench/generarPortico"; exit 1; }
trabajo="$(mktemp -d)"
APP=
trap '[ -n "$APP" ] && kill $APP 2>/dev/null; xset r on 2>/dev/null; rm -rf "$trabajo"' EXIT
cd "$trabajo"
tics=$(getconf CLK_TCK)

cuadros() { cat cuadros.txt 2>/dev/null || echo 0; }
ahora() { date +%s.%N; }
# utime + stime of the viewer, in clock ticks.
cpu() { awk '{ print $14 + $15 }' "/proc/$APP/stat"; }
mediana() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Starts the viewer on a model; W is its window, t0 the start time.
arrancar() {
  rm -f cuadros.txt
  t0=$(ahora)
  KARVEL_CUADROS="$trabajo/cuadros.txt" LD_PRELOAD="$precarga" \
    "$build/karvel2d" "$1" >consola.log 2>&1 &
  APP=$!
  W=$(timeout 1200 xdotool search --sync --onlyvisible --pid $APP --name '^KARVEL-2D$' | head -1)
  [ -n "$W" ] || { echo "no apareció la ventana"; exit 1; }
  xdotool windowfocus --sync "$W"
  xdotool mousemove --window "$W" 500 400
  xset r off 2>/dev/null || true
}
terminar() { kill $APP 2>/dev/null || true; wait $APP 2>/dev/null || true; APP=; }
# Waits (up to s seconds) until at least n frames have been drawn.
esperarCuadros() {
  for _ in $(seq $(($2 * 20))); do [ "$(cuadros)" -ge "$1" ] && return 0; sleep 0.05; done
  return 1
}
escribir() { xdotool type --delay 15 "$1"; xdotool key Return; }

# A pan of about 4 s: the left button held and 400 moves 10 ms apart along
# a circle of 150 px, in one xdotool call so that the events come steadily.
paneo() {
  local movimientos
  mapfile -t movimientos < <(awk -v w="$W" 'BEGIN { for (k = 0; k < 400; ++k) {
    a = k * 3.14159265 / 50
    printf "mousemove\n--window\n%s\n%d\n%d\nsleep\n0.01\n", w, 500 + 150 * cos(a), 400 + 150 * sin(a) } }')
  xdotool mousemove --window "$W" 650 400 mousedown 1
  local c0 t1 c1 t2
  c0=$(cuadros); t1=$(ahora)
  xdotool "${movimientos[@]}"
  c1=$(cuadros); t2=$(ahora)
  xdotool mouseup 1
  awk -v c=$((c1 - c0)) -v a="$t1" -v b="$t2" 'BEGIN { printf "%.1f\n", c / (b - a) }'
}

"$build/bench/generarPortico" 30 30 p30.txt >/dev/null
arrancar p30.txt
esperarCuadros 1 60
escribir plotM; escribir combo; escribir GRAV
sleep 2
fps=$(for _ in 1 2 3; do paneo; sleep 0.5; done | mediana)
sleep 1
usos=()
for _ in 1 2 3; do
  a=$(cpu); sleep 5; b=$(cpu)
  usos+=("$(awk -v d=$((b - a)) -v t="$tics" 'BEGIN { printf "%.1f\n", 100 * d / t / 5 }')")
done
idle=$(printf '%s\n' "${usos[@]}" | mediana)
terminar

apertura="-"
if [ "$sin60" = 0 ]; then
  "$build/bench/generarPortico" 60 60 p60.txt >/dev/null
  arrancar p60.txt
  esperarCuadros 1 1200
  apertura=$(awk -v a="$t0" -v b="$(ahora)" 'BEGIN { printf "%.2f\n", b - a }')
  terminar
fi

printf '| cuadros/s, 30x30 con momentos, paneo | CPU en reposo, %% de un núcleo | apertura de la ventana, 60x60 [s] |\n'
printf '|---|---|---|\n'
printf '| %s | %s | %s |\n' "$fps" "$idle" "$apertura"
