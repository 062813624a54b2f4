#!/usr/bin/env bash
# End to end: starts the real karvel2d on the portal frame, types commands and
# keys with xdotool and checks their effect on screenshots and on the console.
# Usage: pruebaVisorPrograma.sh BINARIOS DATOS [CAPTURA_PNG]
# Exit 77 (skipped) without a display.
set -u
binarios=$1
datos=$2
captura=${3:-}
aqui=$(cd "$(dirname "$0")" && pwd)
imagen() { /usr/bin/python3 "$aqui/imagenVisor.py" "$@"; }
# shellcheck source=comunVisor.sh
source "$aqui/comunVisor.sh"

arrancar() {
  "$binarios/karvel2d" modelo.txt >app.log 2>&1 &
  APP=$!
  W=$(timeout 20 xdotool search --sync --onlyvisible --pid $APP --name '^KARVEL-2D$' | head -1)
  [ -n "$W" ] || { echo "no apareció la ventana"; cat app.log; exit 1; }
  xdotool windowfocus --sync "$W"
  xdotool mousemove --window "$W" 500 400
  xset r off 2>/dev/null
  sleep 0.5
}
# Screenshot after a few frames, so that the last key has been drawn.
foto() { sleep 0.4; xwd -silent -id "$W" | convert xwd:- PNG24:"$1"; }
escribir() { xdotool type --delay 30 "$1"; xdotool key Return; }
# Waits (up to 10 s) for the program to end; its exit status goes to $estado.
esperarFin() {
  for _ in $(seq 100); do kill -0 $APP 2>/dev/null || break; sleep 0.1; done
  if kill -0 $APP 2>/dev/null; then estado=sigue; else wait $APP; estado=$?; fi
  APP=
}
gris="128 128 128"
apoyo="204 204 76"

arrancar
foto inicio.png
[ -n "$captura" ] && cp inicio.png "$captura"
# Frame 4 × 3 in 1000 × 800 (800 px for zCam = 5: 160 px per unit): bars from
# x = 180 to 820, y = 160 to 640, grey; two fixed supports.
read -r n x0 x1 y0 y1 < <(imagen caja inicio.png $gris)
[ "$n" -gt 0 ] && [ $((x0 - 178)) -ge 0 ] && [ $((x0 - 178)) -le 2 ] && [ $((x1 - 821)) -ge -2 ] && [ $((x1 - 821)) -le 0 ] \
  || falla "extensión inicial de las barras: $n $x0 $x1 $y0 $y1"
read -r na _ < <(imagen caja inicio.png $apoyo)
[ "$na" -gt 0 ] || falla "sin apoyos al inicio"

# F1 shows and hides the help; Alt+N hides the node spheres; tags and their
# text size (Shift with +).
ayuda="0 204 0"; esfera="178 0 0"; tagNudo="230 51 51"; claro="204 204 204"
cuenta() { imagen caja "$1" $2 $3 $4 | cut -d' ' -f1; }
[ "$(cuenta inicio.png $esfera)" -gt 0 ] || falla "sin esferas de nudos"
xdotool key F1; foto f1.png
[ "$(cuenta f1.png $ayuda)" -gt 0 ] || falla "F1 no muestra la ayuda"
xdotool key F1 alt+n; foto altN.png
[ "$(cuenta altN.png $ayuda)" -eq 0 ] || falla "F1 no oculta la ayuda"
[ "$(cuenta altN.png $esfera)" -eq 0 ] || falla "Alt+N no oculta las esferas"
xdotool key alt+n
escribir tagNudos; escribir tagBarras; foto tags.png
read -r nt tx0 tx1 _ < <(imagen caja tags.png $tagNudo)
[ "$nt" -gt 0 ] || falla "tagNudos no muestra números"
[ "$(cuenta tags.png $claro)" -gt 0 ] || falla "tagBarras no muestra números"
xdotool type --delay 30 "++++++++"; foto tagsGrandes.png
read -r nt2 _ < <(imagen caja tagsGrandes.png $tagNudo)
[ "$nt2" -gt "$nt" ] || falla "Shift con + no agranda el texto ($nt -> $nt2)"
escribir noTags; escribir secciones; foto secciones.png
[ "$(cuenta secciones.png $tagNudo)" -eq 0 ] || falla "noTags no oculta los números"
[ "$(cuenta secciones.png $claro)" -gt 0 ] || falla "secciones no muestra nombres"
escribir noTags; foto sinTags.png
[ "$(cuenta sinTags.png $claro)" -eq 0 ] || falla "noTags no oculta las secciones"

# The prompt line shows what is typed, and the reply after Enter.
xdotool type --delay 30 tagXYZ
foto tecleo.png
[ "$(imagen difiere inicio.png tecleo.png 30 765 300 785)" -gt 0 ] || falla "no se ve lo tecleado"
xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
escribir plotApoyos
foto sinApoyos.png
read -r na _ < <(imagen caja sinApoyos.png $apoyo)
[ "$na" -eq 0 ] || falla "los apoyos siguen tras plotApoyos ($na)"
[ "$(imagen difiere inicio.png sinApoyos.png 30 745 500 765)" -gt 0 ] || falla "la respuesta no cambió"

# Isolate bar 2 (the beam): the columns disappear.
escribir aislar
escribir 2
foto aislada.png
read -r n x0 x1 y0 y1 < <(imagen caja aislada.png $gris)
[ "$n" -gt 0 ] && [ "$y1" -le 162 ] || falla "aislar 2 dejó otras barras: $n $x0 $x1 $y0 $y1"
escribir noAislar
foto todas.png
read -r n x0 x1 y0 y1 < <(imagen caja todas.png $gris)
[ "$y1" -ge 630 ] || falla "noAislar no volvió a mostrar las columnas"

# Wheel forward zooms in by 1.07 per notch: 5 notches, 1.07^5 = 1.40 wider.
xdotool click --repeat 5 --delay 50 4
foto zoom.png
read -r n zx0 zx1 _ < <(imagen caja zoom.png $gris)
ancho0=$((x1 - x0)); ancho1=$((zx1 - zx0))
[ $((ancho1 * 100 / ancho0)) -ge 138 ] && [ $((ancho1 * 100 / ancho0)) -le 142 ] \
  || falla "zoom: ancho $ancho0 -> $ancho1"
xdotool click --repeat 5 --delay 50 5
# A left drag of 100 px to the right moves the model by 100·2·tan(π/8)/1000
# units per pixel of zCam, times 800/zCam px per unit: 66.3 px.
xdotool mousemove --window "$W" 300 300 mousedown 1 mousemove --window "$W" 350 300 sleep 0.05 \
  mousemove --window "$W" 400 300 sleep 0.05 mouseup 1
foto paneo.png
read -r n px0 px1 _ < <(imagen caja paneo.png $gris)
[ $((px0 - x0)) -ge 65 ] && [ $((px0 - x0)) -le 68 ] || falla "paneo: $x0 -> $px0"

# F5: banner on the console and the same report as karvel2d-reporte.
xdotool key F5
for _ in $(seq 100); do [ -s resultados.txt ] && grep -q "Reinicio del programa" app.log && break; sleep 0.1; done
sleep 0.5
grep -q -- "------------------------Reinicio del programa------------------" app.log || falla "sin aviso de reinicio"
mkdir reporte && (cd reporte && "$binarios/karvel2d-reporte" ../modelo.txt >/dev/null 2>&1)
cmp -s resultados.txt reporte/resultados.txt || falla "resultados.txt de F5 distinto del de karvel2d-reporte"

# Escape ends with status 0.
xdotool key Escape
esperarFin
[ "$estado" = 0 ] || falla "Escape terminó con $estado"

# "salir" ends with status 0 as well, and "exit".
for orden in salir exit; do
  arrancar
  escribir $orden
  esperarFin
  [ "$estado" = 0 ] || falla "$orden terminó con $estado"
done

[ $fallos -eq 0 ] && echo "todo bien" || exit 1
