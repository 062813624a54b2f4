#include "archivoReporte.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// An interruption (Ctrl+C, kill, the terminal closed) while the temporary
// file is written removes it and then ends the process as the signal would
// have. A signal handler may only reach process-wide state, so the name of
// the file being written lives here, in a fixed buffer, for as long as the
// file exists; it is the only such state of the core.
const int senalesDeCorte[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t cantidadSenales = sizeof(senalesDeCorte) / sizeof(senalesDeCorte[0]);
constexpr std::size_t largoMaximoTemporal = 4096;
char temporalEnCurso[largoMaximoTemporal];
volatile std::sig_atomic_t hayTemporalEnCurso = 0;
struct sigaction accionesAnteriores[cantidadSenales];

extern "C" void alCortar(int senal) {
    if (hayTemporalEnCurso) unlink(temporalEnCurso);
    std::signal(senal, SIG_DFL);
    std::raise(senal);
}

// Blocks the signals of senalesDeCorte; the mask to put back.
sigset_t bloquearCortes() {
    sigset_t s, anterior;
    sigemptyset(&s);
    for (int senal : senalesDeCorte) sigaddset(&s, senal);
    sigprocmask(SIG_BLOCK, &s, &anterior);
    return anterior;
}

// From here on an interruption removes `temporal` (not when the name does not
// fit: the file is then left, as before).
void vigilarTemporal(const std::string& temporal) {
    if (temporal.size() >= largoMaximoTemporal) return;
    std::memcpy(temporalEnCurso, temporal.c_str(), temporal.size() + 1);
    hayTemporalEnCurso = 1;
    struct sigaction accion {};
    accion.sa_handler = alCortar;
    sigemptyset(&accion.sa_mask);
    for (std::size_t k = 0; k < cantidadSenales; ++k) {
        sigaction(senalesDeCorte[k], nullptr, &accionesAnteriores[k]);
        // A signal the process was told to ignore (started with nohup, or
        // in the background by a shell) stays ignored.
        if (accionesAnteriores[k].sa_handler != SIG_IGN)
            sigaction(senalesDeCorte[k], &accion, nullptr);
    }
}

// The handlers the process had before, once the temporary file is gone.
void dejarDeVigilar() {
    if (!hayTemporalEnCurso) return;
    const sigset_t mascara = bloquearCortes();
    for (std::size_t k = 0; k < cantidadSenales; ++k)
        sigaction(senalesDeCorte[k], &accionesAnteriores[k], nullptr);
    hayTemporalEnCurso = 0;
    sigprocmask(SIG_SETMASK, &mascara, nullptr);
}

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
    // No interruption between creating the file and knowing its name.
    const sigset_t mascara = bloquearCortes();
    const int fd = mkstemp(nombre.data());
    if (fd >= 0) vigilarTemporal(nombre.data());
    sigprocmask(SIG_SETMASK, &mascara, nullptr);
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
    const bool reemplazado = close(fd) == 0 && std::rename(temporal.c_str(), ruta.c_str()) == 0;
    if (!reemplazado) std::remove(temporal.c_str());
    dejarDeVigilar();
    return reemplazado;
}

void descartarTemporal(int fd, const std::string& temporal) {
    close(fd);
    std::remove(temporal.c_str());
    dejarDeVigilar();
}
