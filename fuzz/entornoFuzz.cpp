#include "entornoFuzz.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <system_error>

namespace {

std::string directorio;

// Swallows everything written to it.
class bufferNulo : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};
bufferNulo nulo;

void limpiar() {
    if (directorio.empty()) return;
    for (const char* f : {"entrada.txt", "resultados.txt"}) {
        std::remove((directorio + "/" + f).c_str());
    }
    std::error_code ec;
    std::filesystem::remove_all(directorio + "/resultados-tablas", ec);
    if (chdir("/") == 0) rmdir(directorio.c_str());
}

}  // namespace

void prepararEntornoFuzz() {
    const char* tmp = std::getenv("TMPDIR");
    std::string plantilla = std::string(tmp && *tmp ? tmp : "/tmp") + "/karvel-fuzz-XXXXXX";
    if (!mkdtemp(plantilla.data()) || chdir(plantilla.c_str()) != 0) {
        std::perror("karvel-fuzz: directorio temporal");
        std::abort();
    }
    directorio = plantilla;
    std::atexit(limpiar);
    std::cout.rdbuf(&nulo);
}

std::string escribirEntrada(const uint8_t* datos, std::size_t tamano) {
    const std::string ruta = directorio + "/entrada.txt";
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tamano));
    return ruta;
}
