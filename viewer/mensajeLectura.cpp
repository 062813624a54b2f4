#include "mensajeLectura.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "estadoVisor.h"
#include "lineaComandos.h"

namespace {

const std::string comienzoMensaje = "No se pudo leer ";

// Why the file gives nothing, as the system answers for it; "" when it can
// be read.
std::string motivoDelArchivo(const std::string& archivo) {
    struct stat datos;
    if (stat(archivo.c_str(), &datos) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return "el archivo no existe";
        if (errno == EACCES) return "no hay permiso para leerlo";
        return "no se puede abrir";
    }
    if (S_ISDIR(datos.st_mode)) return "es una carpeta, no un archivo";
    const int fd = open(archivo.c_str(), O_RDONLY);
    if (fd < 0) return errno == EACCES ? "no hay permiso para leerlo" : "no se puede abrir";
    close(fd);
    if (S_ISREG(datos.st_mode) && datos.st_size == 0) return "el archivo está vacío";
    return "";
}

}  // namespace

std::string mensajeDeLectura(const std::string& archivo, const modelo& m) {
    if (m.noNudos > 0) return "";
    std::string motivo = motivoDelArchivo(archivo);
    if (motivo.empty()) motivo = "no define ningún nudo (etiqueta nudos:)";
    return comienzoMensaje + archivo + ": " + motivo + ". " + textoIngreseComando;
}

void anotarLectura(const modelo& m) {
    const std::string mensaje = mensajeDeLectura(nombreArchivo, m);
    if (!mensaje.empty()) {
        dialogo = mensaje;
    } else if (dialogo.rfind(comienzoMensaje, 0) == 0) {
        dialogo = textoIngreseComando;
    }
}
