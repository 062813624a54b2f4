// Test helpers: write a model text to a temporary file, read a file back,
// count a folder, capture the console.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

// A file in the system's temporary directory, removed at scope exit.
class archivoTemporal {
  public:
    explicit archivoTemporal(const std::string& contenido) {
        char plantilla[] = "/tmp/karvel-prueba-XXXXXX";
        int fd = mkstemp(plantilla);
        ruta = plantilla;
        if (fd >= 0) close(fd);
        std::ofstream f(ruta, std::ios::binary);
        f << contenido;
    }
    ~archivoTemporal() { std::remove(ruta.c_str()); }
    archivoTemporal(const archivoTemporal&) = delete;
    archivoTemporal& operator=(const archivoTemporal&) = delete;
    const std::string& nombre() const { return ruta; }

  private:
    std::string ruta;
};

// Whole content of a file; empty when it cannot be read.
inline std::string leerArchivo(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Names in a folder, "." and ".." left out.
inline int entradasDe(const std::string& carpeta) {
    int n = 0;
    if (DIR* d = opendir(carpeta.c_str())) {
        while (dirent* e = readdir(d)) n += e->d_name[0] != '.';
        closedir(d);
    }
    return n;
}

// Captures what is written to std::cout while alive (the program writes its
// messages through std::cout only).
class capturaConsola {
  public:
    capturaConsola() : anterior(std::cout.rdbuf(buffer.rdbuf())) {}
    ~capturaConsola() { std::cout.rdbuf(anterior); }
    std::string texto() const { return buffer.str(); }

  private:
    std::ostringstream buffer;
    std::streambuf* anterior;
};
