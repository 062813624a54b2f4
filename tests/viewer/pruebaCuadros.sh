#!/usr/bin/env bash
# End to end: the real karvel2d draws a frame only when something changed.
# Frames are counted by the preload library contarCuadros (every buffer
# swap). While nothing happens no frame is drawn; Enter on a command and F5
# each draw exactly one, a reshape one (or two, see below), a pan draws
# while the mouse moves and stops with it.
# Usage: pruebaCuadros.sh BINARIOS DATOS. Exit 77 (skipped) without a display.
set -u
binarios=$1
datos=$2
aqui=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=comunVisor.sh
source "$aqui/comunVisor.sh"
# The preload library comes before the sanitizer runtime.
export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"

cuadros() { cat cuadros.txt 2>/dev/null || echo 0; }
# Waits (up to 20 s) until the count has not moved for 0.6 s; prints it.
quieto() {
  local anterior=-1 iguales=0 actual
  for _ in $(seq 200); do
    actual=$(cuadros)
    if [ "$actual" = "$anterior" ]; then iguales=$((iguales + 1)); else iguales=0; fi
    [ $iguales -ge 6 ] && break
    anterior=$actual
    sleep 0.1
  done
  echo "$actual"
}
# Waits (up to 20 s) for the count to reach n.
hasta() { for _ in $(seq 200); do [ "$(cuadros)" -ge "$1" ] && return 0; sleep 0.1; done; return 1; }

KARVEL_CUADROS="$dir/cuadros.txt" LD_PRELOAD="$binarios/bench/contarCuadros.so" \
  "$binarios/karvel2d" modelo.txt >app.log 2>&1 &
APP=$!
W=$(timeout 20 xdotool search --sync --onlyvisible --pid $APP --name '^KARVEL-2D$' | head -1)
[ -n "$W" ] || { echo "no apareció la ventana"; cat app.log; exit 1; }
xdotool windowfocus --sync "$W"
xdotool mousemove --window "$W" 500 400
xset r off 2>/dev/null
hasta 1 || falla "la ventana no dibujó ningún cuadro"

# Nothing happens: the count stays put (an idle redraw would add dozens).
n=$(quieto)
sleep 1.5
[ "$(cuadros)" = "$n" ] || falla "cuadros sin que pase nada: $n -> $(cuadros)"

# One frame for Enter on a typed command (the typing draws its own).
unaVez() {  # $1: what, then the xdotool arguments
  local que=$1 antes
  shift
  antes=$(quieto)
  xdotool "$@"
  hasta $((antes + 1)) || { falla "$que no dibujó"; return; }
  local despues
  despues=$(quieto)
  [ "$despues" = $((antes + 1)) ] || falla "$que dibujó $((despues - antes)) cuadros"
}
xdotool type --delay 30 plotM
unaVez "un comando" key Return
unaVez "F5" key F5
grep -q "Reinicio del programa" app.log || falla "F5 no recargó"
# A reshape draws the new size; the server may announce the new size in two
# notices that the toolkit takes in two turns, so one or two frames.
antes=$(quieto)
xdotool windowsize "$W" 800 600
hasta $((antes + 1)) || falla "el cambio de tamaño no dibujó"
despues=$(quieto)
[ $((despues - antes)) -le 2 ] || falla "el cambio de tamaño dibujó $((despues - antes)) cuadros"
# A pan draws while the mouse moves and stops with it.
antes=$(quieto)
xdotool mousemove --window "$W" 300 300 mousedown 1 mousemove --window "$W" 340 300 \
  sleep 0.05 mousemove --window "$W" 380 300 mouseup 1
hasta $((antes + 1)) || falla "el paneo no dibujó"
n=$(quieto)
sleep 1
[ "$(cuadros)" = "$n" ] || falla "cuadros tras el paneo"

[ $fallos -eq 0 ] && echo "todo bien" || exit 1
