#!/usr/bin/env bash
# Installs the Debian packages that are missing. Usage:
#   herramientas/dependencias.sh programa   # to build and run karvel2d
#   herramientas/dependencias.sh pruebas    # also what the tests need
set -euo pipefail

paquetes=(g++ make cmake libeigen3-dev freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
          libpng-dev libgl2ps-dev libspectra-dev)
if [ "${1:-programa}" = pruebas ]; then
  paquetes+=(libgtest-dev xvfb xauth xdotool x11-apps x11-utils x11-xserver-utils
             imagemagick python3 python3-pil clang libclang-rt-14-dev dpkg-dev libsuitesparse-dev
             poppler-utils librsvg2-bin libx11-dev)
fi

faltan=()
for p in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$p")
  fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "Instalando paquetes que faltan: ${faltan[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
