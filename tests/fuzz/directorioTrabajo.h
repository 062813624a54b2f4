// A private temporary directory as the current directory while alive, so
// that "resultados.txt" and the folder "resultados-tablas" are written there
// and removed afterwards.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

class directorioTrabajo {
  public:
    directorioTrabajo() {
        char plantilla[] = "/tmp/karvel-trabajo-XXXXXX";
        if (mkdtemp(plantilla)) ruta = plantilla;
        char actual[4096];
        if (getcwd(actual, sizeof actual)) anterior = actual;
        valido = !ruta.empty() && !anterior.empty() && chdir(ruta.c_str()) == 0;
    }
    ~directorioTrabajo() {
        if (!valido) return;
        std::remove((ruta + "/resultados.txt").c_str());
        std::error_code ec;
        std::filesystem::remove_all(ruta + "/resultados-tablas", ec);
        if (chdir(anterior.c_str()) == 0) rmdir(ruta.c_str());
    }
    directorioTrabajo(const directorioTrabajo&) = delete;
    directorioTrabajo& operator=(const directorioTrabajo&) = delete;
    bool listo() const { return valido; }
    const std::string& nombre() const { return ruta; }

  private:
    std::string ruta;
    std::string anterior;
    bool valido = false;
};
