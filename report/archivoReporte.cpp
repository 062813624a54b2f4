#include "archivoReporte.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

std::string carpetaDe(const std::string& ruta) {
    const std::size_t barra = ruta.rfind('/');
    return barra == std::string::npos ? "." : ruta.substr(0, barra + 1);
}

// Permissions of a file that an ordinary open would create: rw for all,
// less the process's umask (read by setting it and putting it back).
mode_t permisosNuevos() {
    const mode_t mascara = umask(0);
    umask(mascara);
    return 0666 & ~mascara;
}

}  // namespace

bool destinoEscribible(const std::string& ruta) {
    struct stat st;
    if (stat(ruta.c_str(), &st) != 0) return true;  // a new file
    return !S_ISDIR(st.st_mode) && access(ruta.c_str(), W_OK) == 0;
}

std::int64_t espacioLibreJunto(const std::string& ruta) {
    struct statvfs v;
    if (statvfs(carpetaDe(ruta).c_str(), &v) != 0) return -1;
    return static_cast<std::int64_t>(v.f_bavail) * static_cast<std::int64_t>(v.f_frsize);
}

int crearTemporalJunto(const std::string& ruta, std::string& temporal) {
    std::string plantilla = ruta + ".XXXXXX";
    std::vector<char> nombre(plantilla.begin(), plantilla.end());
    nombre.push_back('\0');
    const int fd = mkstemp(nombre.data());
    if (fd < 0) return -1;
    temporal = nombre.data();
    struct stat st;
    const mode_t permisos = stat(ruta.c_str(), &st) == 0 ? (st.st_mode & 07777) : permisosNuevos();
    if (fchmod(fd, permisos) != 0) {
        // The report is still readable by its owner; nothing else to do.
    }
    return fd;
}

bool cerrarYReemplazar(int fd, const std::string& temporal, const std::string& ruta) {
    if (close(fd) != 0 || std::rename(temporal.c_str(), ruta.c_str()) != 0) {
        std::remove(temporal.c_str());
        return false;
    }
    return true;
}

void descartarTemporal(int fd, const std::string& temporal) {
    close(fd);
    std::remove(temporal.c_str());
}
