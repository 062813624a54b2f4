#!/usr/bin/env bash
# pruebaInstalacion.sh CARPETA_DE_COMPILACION con-visor|sin-visor
# Installs the build into a temporary DESTDIR under the prefix /usr, runs the
# installed karvel2d-reporte on the installed cantilever example and checks
# its tip deflection, then builds the Debian package and reads its control
# fields and contents.
set -euo pipefail
compilacion="$1"
visor="$2"
tmp="$(mktemp -d /tmp/karvel-instalacion-XXXXXX)"
trap 'rm -rf "$tmp"' EXIT
falla() { echo "FALLA: $*" >&2; exit 1; }

raiz="$tmp/raiz"
DESTDIR="$raiz" cmake --install "$compilacion" --prefix /usr > "$tmp/instalacion.log"
doc="$raiz/usr/share/doc/karvel2d"
[ -x "$raiz/usr/bin/karvel2d-reporte" ] || falla "falta bin/karvel2d-reporte"
if [ "$visor" = con-visor ]; then
  [ -x "$raiz/usr/bin/karvel2d" ] || falla "falta bin/karvel2d"
else
  [ ! -e "$raiz/usr/bin/karvel2d" ] || falla "bin/karvel2d instalado sin visor"
fi
for f in README.md ingresoDatos.txt docs/ventana.png ejemplos/mensula.txt ejemplos/vigaSimple.txt \
         ejemplos/porticoArticulado.txt ejemplos/porticoDosPisos.txt; do
  [ -f "$doc/$f" ] || falla "falta share/doc/karvel2d/$f"
done

# The installed tool on the installed example, in a directory of its own.
mkdir "$tmp/trabajo"
cp "$doc/ejemplos/mensula.txt" "$tmp/trabajo/"
(cd "$tmp/trabajo" && "$raiz/usr/bin/karvel2d-reporte" mensula.txt > consola.txt) \
  || falla "karvel2d-reporte instalado terminó con error"
grep -qx "Resultados escritos en resultados.txt" "$tmp/trabajo/consola.txt" \
  || falla "karvel2d-reporte no anunció el reporte"
# Tip deflection of the cantilever, row 5 (uy of node 2) of the displacement
# matrix: -P·L³/(3·E·I) = -10·27/(3·2.1e8·8.36e-5) (beam tables).
awk -v esperado="$(awk 'BEGIN { print -10 * 27 / (3 * 2.1e8 * 8.36e-5) }')" '
  $0 == "VECTOR DE DESPLAZAMIENTOS" { fila = 1; next }
  fila && $0 == "" { fila = 0 }
  fila { if (fila == 5) uy = $1; fila++ }
  END {
    if (uy == "") { print "sin desplazamientos en resultados.txt"; exit 1 }
    r = uy / esperado
    if (r < 1 - 1e-5 || r > 1 + 1e-5) { print "flecha " uy ", esperada " esperado; exit 1 }
  }' "$tmp/trabajo/resultados.txt" || falla "flecha de la ménsula instalada"

# The Debian package: installs the same tree and declares what it needs to run.
cpack --config "$compilacion/CPackConfig.cmake" -G DEB -B "$tmp/paquete" > "$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log" >&2; falla "cpack -G DEB"; }
paquete="$(ls "$tmp"/paquete/karvel2d_*.deb)"
[ "$(dpkg-deb -f "$paquete" Package)" = karvel2d ] || falla "nombre del paquete"
depende="$(dpkg-deb -f "$paquete" Depends)"
echo "Depends: $depende"
for d in libc6 libstdc++6; do
  [[ "$depende" == *"$d"* ]] || falla "el paquete no declara $d"
done
if [ "$visor" = con-visor ]; then
  [[ "$depende" == *libglut* ]] || falla "el paquete no declara freeglut"
  [[ "$depende" == *libgl* ]] || falla "el paquete no declara OpenGL"
fi
contenido="$(dpkg-deb -c "$paquete")"
for f in ./usr/bin/karvel2d-reporte ./usr/share/doc/karvel2d/ejemplos/mensula.txt \
         ./usr/share/doc/karvel2d/README.md; do
  grep -q " $f\$" <<< "$contenido" || falla "el paquete no contiene $f"
done
echo "instalación y paquete correctos"
