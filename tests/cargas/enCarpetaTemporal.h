// The current directory is a scratch folder while this lives, so that a
// report written by a test lands there.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "carpetaTemporal.h"

struct enCarpetaTemporal {
    carpetaTemporal carpeta;
    std::string previa;
    enCarpetaTemporal() {
        char ruta[4096];
        previa = getcwd(ruta, sizeof ruta) ? ruta : ".";
        EXPECT_EQ(chdir(carpeta.ruta.c_str()), 0);
    }
    ~enCarpetaTemporal() { EXPECT_EQ(chdir(previa.c_str()), 0); }
};
