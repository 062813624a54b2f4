// A folder no one may write in, for the captures that must fail: a
// read-only file system for root (who writes anywhere else), a folder
// without write permission otherwise. Unmounted when it goes.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

class carpetaSoloLectura {
  public:
    // Makes `camino` a new read-only folder; false when that is not possible.
    bool crear(const std::string& camino) {
        ruta = camino;
        if (mkdir(ruta.c_str(), 0755) != 0) return false;
        if (geteuid() != 0) return chmod(ruta.c_str(), 0555) == 0;
        montada = mount("tmpfs", ruta.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
        return montada;
    }
    ~carpetaSoloLectura() {
        if (montada) umount(ruta.c_str());
    }

  private:
    std::string ruta;
    bool montada = false;
};
