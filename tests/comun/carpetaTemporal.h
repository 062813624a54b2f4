// A scratch directory for the tests that run the real binaries, removed with
// everything in it at scope exit.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

struct carpetaTemporal {
    std::string ruta;
    carpetaTemporal() {
        char plantilla[] = "/tmp/karvel-carpeta-XXXXXX";
        const char* creada = mkdtemp(plantilla);
        ruta = creada ? creada : "";
    }
    ~carpetaTemporal() {
        if (!ruta.empty()) std::system(("rm -rf " + ruta).c_str());
    }
    carpetaTemporal(const carpetaTemporal&) = delete;
    carpetaTemporal& operator=(const carpetaTemporal&) = delete;
    // Copies the file `origen` into the directory as `nombre`.
    void copiar(const std::string& origen, const std::string& nombre) const {
        std::ifstream f(origen, std::ios::binary);
        std::ofstream(ruta + "/" + nombre, std::ios::binary) << f.rdbuf();
    }
};
