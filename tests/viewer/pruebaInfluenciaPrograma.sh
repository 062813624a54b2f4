#!/usr/bin/env bash
# End to end: the real karvel2d on the two-span bridge of the examples,
# driven with xdotool: "influencia" with its prompt and a wrong and a right
# response, the line kept across F5, and "tren" with "plotM" drawing the
# train's envelope. Checked on screenshots.
# Usage: pruebaInfluenciaPrograma.sh BINARIOS DATOS EJEMPLOS
# Exit 77 (skipped) without a display.
set -u
binarios=$1
datos=$2
ejemplos=$3
aqui=$(cd "$(dirname "$0")" && pwd)
imagen() { /usr/bin/python3 "$aqui/imagenVisor.py" "$@"; }
# shellcheck source=comunVisor.sh
source "$aqui/comunVisor.sh"
cp "$ejemplos/puenteDosVanos.txt" modelo.txt

"$binarios/karvel2d" modelo.txt >app.log 2>&1 &
APP=$!
W=$(timeout 20 xdotool search --sync --onlyvisible --pid $APP --name '^KARVEL-2D$' | head -1)
[ -n "$W" ] || { echo "no apareció la ventana"; cat app.log; exit 1; }
xdotool windowfocus --sync "$W"
xdotool mousemove --window "$W" 500 400
xset r off 2>/dev/null
sleep 0.5
foto() { sleep 0.5; xwd -silent -id "$W" | convert xwd:- PNG24:"$1"; }
escribir() { xdotool type --delay 30 "$1"; xdotool key Return; }
cuenta() { imagen caja "$1" $2 $3 $4 | cut -d' ' -f1; }
ambar="255 191 0"; magenta="255 76 255"
# The prompt line at the bottom left.
linea="30 745 600 785"

foto inicio.png
[ "$(cuenta inicio.png $ambar)" -eq 0 ] || falla "línea de influencia antes de pedirla"
escribir influencia; foto pregunta.png
[ "$(imagen difiere inicio.png pregunta.png $linea)" -gt 0 ] || falla "influencia no pregunta la respuesta"
escribir "M:9:1"; foto errada.png
[ "$(cuenta errada.png $ambar)" -eq 0 ] || falla "una respuesta errada dibuja algo"
[ "$(imagen difiere pregunta.png errada.png $linea)" -gt 0 ] || falla "una respuesta errada no responde"
escribir influencia; escribir "M:2:5"; foto linea.png
# The line of M over the middle support hangs under the deck in both spans.
read -r n x0 x1 y0 y1 < <(imagen caja linea.png $ambar)
[ "$n" -gt 200 ] || falla "influencia M:2:5 no dibuja la línea ($n)"
[ "$x0" -lt 200 ] && [ "$x1" -gt 800 ] || falla "la línea no cubre los dos vanos: $x0 $x1"

# F5 reads the file again; the line stays.
xdotool key F5; sleep 1; foto recarga.png
[ "$(cuenta recarga.png $ambar)" -gt 200 ] || falla "F5 pierde la línea de influencia"

escribir influencia; foto sinLinea.png
[ "$(cuenta sinLinea.png $ambar)" -eq 0 ] || falla "influencia no apaga la línea"
escribir plotM; escribir tren; foto tren.png
[ "$(cuenta tren.png $magenta)" -gt 100 ] || falla "tren no dibuja la envolvente del camión"
escribir tren; foto sinTren.png
[ "$(cuenta sinTren.png $magenta)" -eq 0 ] || falla "tren no se apaga"

escribir salir
for _ in $(seq 100); do kill -0 $APP 2>/dev/null || break; sleep 0.1; done
if kill -0 $APP 2>/dev/null; then
  falla "salir no termina el programa"
else
  APP=
fi
[ "$fallos" -eq 0 ] || { cat app.log | tail -20; exit 1; }
echo "influencia y tren en la ventana: OK"
