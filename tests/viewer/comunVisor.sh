# Shared start of the end-to-end scripts, sourced with $binarios and $datos
# set: skipped (exit 77) without a display; the software GL driver; in a
# sanitizer build no leak check (at exit the GL driver is already unloaded
# and its own allocations cannot be told apart from ours; the pixel tests,
# which pin the driver, keep it); a folder of its own holding the portal
# frame as modelo.txt, left and removed at the end with the program killed;
# and a failure counter.
if [ -z "${DISPLAY:-}" ]; then
  echo "Sin pantalla (DISPLAY vacía): prueba de punta a punta omitida; ejecútela bajo xvfb-run."
  exit 77
fi
export GALLIUM_DRIVER=llvmpipe
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
dir=$(mktemp -d /tmp/karvel-visor-XXXXXX)
APP=
trap '[ -n "$APP" ] && kill $APP 2>/dev/null; xset r on 2>/dev/null; rm -rf "$dir"' EXIT
cd "$dir"
cp "$datos/visor/portico.txt" modelo.txt
fallos=0
falla() { echo "FALLA: $*"; fallos=$((fallos + 1)); }
