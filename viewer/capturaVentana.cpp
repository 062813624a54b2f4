#include "capturaVentana.h"

#include <GL/freeglut.h>
#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "capturaVectorial.h"
#include "estadoVisor.h"
#include "funcionPlot.h"

namespace {

// Captures numbered up to this before giving up looking for a free name.
const int mayorNumeroCaptura = 999999;

// Writes w × h RGB pixels (rows from the bottom, as OpenGL reads them) to a
// new file. Empty on success, otherwise why not.
std::string escribirPng(const std::string& nombre, int w, int h,
                        const std::vector<unsigned char>& rgb) {
    std::FILE* f = std::fopen(nombre.c_str(), "wbx");
    if (f == nullptr) return motivoError(errno);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool bien = png != nullptr && info != nullptr;
    // libpng reports its errors by a long jump back here.
    if (bien && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int fila = h - 1; fila >= 0; --fila) {
            png_write_row(png, const_cast<png_bytep>(&rgb[static_cast<size_t>(fila) * w * 3]));
        }
        png_write_end(png, nullptr);
    } else {
        bien = false;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    int error = std::ferror(f) ? errno : 0;
    if (std::fclose(f) != 0 && error == 0) error = errno;
    if (bien && error == 0) return "";
    std::remove(nombre.c_str());
    return motivoError(error);
}

}  // namespace

std::string motivoError(int numeroError) {
    switch (numeroError) {
        case EACCES:
        case EPERM:
        case EROFS:
            return "la carpeta no permite escribir";
        case ENOSPC:
        case EDQUOT:
            return "no queda espacio en el disco";
        case EEXIST:
            return "el archivo ya existe";
        default:
            return "error de escritura";
    }
}

std::string nombreCapturaLibre(const std::string& extension) {
    char nombre[64];
    for (int n = 1; n <= mayorNumeroCaptura; ++n) {
        std::snprintf(nombre, sizeof nombre, "captura-%03d.%s", n, extension.c_str());
        struct stat datos;
        if (stat(nombre, &datos) != 0 && errno == ENOENT) break;
    }
    return nombre;
}

void tomarCaptura(formatoCaptura formato) {
    if (formato == formatoCaptura::ninguno) return;
    const char* extension = formato == formatoCaptura::png   ? "png"
                            : formato == formatoCaptura::pdf ? "pdf"
                                                             : "svg";
    const std::string nombre = nombreCapturaLibre(extension);
    dialogo = "Captura guardada en " + nombre + ". Ingrese Comando:";
    std::string error;
    if (formato == formatoCaptura::png) {
        // The frame with its reply, read back before it is shown.
        GLint vista[4];
        glGetIntegerv(GL_VIEWPORT, vista);
        dibujarEscena();
        glFinish();
        std::vector<unsigned char> rgb(static_cast<size_t>(vista[2]) * vista[3] * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(vista[0], vista[1], vista[2], vista[3], GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        error = escribirPng(nombre, vista[2], vista[3], rgb);
    } else {
        error = escribirCapturaVectorial(nombre, formato == formatoCaptura::pdf);
    }
    if (!error.empty()) {
        dialogo =
            "No se pudo guardar la captura en " + nombre + ": " + error + ". Ingrese Comando:";
    }
    glutPostRedisplay();
}
