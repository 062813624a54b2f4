#!/usr/bin/env bash
# Lists the data symbols that the binary defines (nm: B, D, G, S, b, d) and
# fails when one of them bears a name of the former global state of the
# program: model lists and counts, number tables, display settings, solver
# matrices, camera, switches, visibility marks and command line.
set -u
binario="$1"
nombres="nombreArchivo noNudos noBarras noCombos nudo barra punteroNudos punteroBarras
escalaDef escalaM escalaV escalaN escalaTexto escalaCarga escalaApoyo precision
noLibres noRestringidos kEstructura kLL kLR kRL kRR pCombo pL pR gdlLibres gdlRestringidos
uLibres u reacciones modeloResuelto combosSinEquilibrio xMin xMax yMin yMax xCam yCam zCam
xCentroObj yCentroObj diagonalObj wVentana hVentana clickIzq xLast yLast barrasAisladas
nudosAislados dialogo comando flags numeroComboCoincidente PI"
simbolos=$(nm -C "$binario" | awk '$2 ~ /^[BDGSbdgs]$/ {print $3}')
[ -n "$simbolos" ] || { echo "nm no listó símbolos de datos de $binario"; exit 1; }
fallos=0
for n in $nombres; do
  if printf '%s\n' "$simbolos" | grep -qx "$n"; then
    echo "FALLA: $binario define la variable global $n"
    fallos=$((fallos + 1))
  fi
done
exit $fallos
