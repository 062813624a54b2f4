// "vigilar" without a window: the checks of the watched file, driven with
// chosen clock times against the file's own modification times.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "archivoTemporal.h"
#include "estadoVisor.h"
#include "lineaComandos.h"
#include "recargaModelo.h"
#include "vigilanciaArchivo.h"

namespace {

const char* const banner = "Reinicio del programa";

int veces(const std::string& texto, const std::string& trozo) {
    int n = 0;
    for (size_t p = texto.find(trozo); p != std::string::npos; p = texto.find(trozo, p + 1)) ++n;
    return n;
}

// A folder of its own (the reload writes resultados.txt there) holding
// modelo.txt, watched from the start.
class vigilancia : public ::testing::Test {
  protected:
    void SetUp() override {
        char plantilla[] = "/tmp/karvel-vigilar-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(plantilla));
        carpeta = plantilla;
        ASSERT_EQ(0, chdir(carpeta.c_str()));
        nombreArchivo = carpeta + "/modelo.txt";
        escribir(viga(2), 1000);
        {
            capturaConsola silencio;
            recargarModelo();
        }
        if (vigilanciaActiva()) alternarVigilancia();
        ASSERT_TRUE(alternarVigilancia());
    }
    void TearDown() override {
        if (vigilanciaActiva()) alternarVigilancia();
        if (chdir("/tmp") != 0) ADD_FAILURE() << "chdir";
        (void)std::system(("rm -rf '" + carpeta + "'").c_str());
    }
    // A beam of `vanos` bars of 1 m.
    static std::string viga(int vanos) {
        std::string t = "nudos:\n";
        for (int i = 0; i <= vanos; ++i)
            t += std::to_string(i + 1) + " " + std::to_string(i) + " 0\n";
        t += "barras:\n";
        for (int i = 1; i <= vanos; ++i)
            t += std::to_string(i) + " " + std::to_string(i) + " " + std::to_string(i + 1) + "\n";
        t += "apoyo: 1 1 1 1\nseccionGenerica: S 1 1 1000 0 1";
        for (int i = 2; i <= vanos; ++i) t += " " + std::to_string(i);
        t += "\npuntual: P 0 -1 0 " + std::to_string(vanos + 1) + "\ncombo: C1 1 P\n";
        return t;
    }
    // Writes the model with modification time t (seconds since the epoch).
    void escribir(const std::string& texto, double t) {
        std::ofstream(nombreArchivo, std::ios::trunc) << texto;
        timespec tiempos[2];
        tiempos[0].tv_sec = tiempos[1].tv_sec = static_cast<time_t>(t);
        tiempos[0].tv_nsec = tiempos[1].tv_nsec =
            static_cast<long>((t - static_cast<long>(t)) * 1e9);
        ASSERT_EQ(0, utimensat(AT_FDCWD, nombreArchivo.c_str(), tiempos, 0));
    }
    // One look at the file at time t; the console it printed.
    bool revisar(double t) {
        capturaConsola consola;
        const bool recargado = revisarArchivoVigilado(t);
        salida += consola.texto();
        return recargado;
    }
    std::string carpeta;
    std::string salida;
};

}  // namespace

TEST_F(vigilancia, unCambioQuietoRecargaComoF5) {
    EXPECT_FALSE(revisar(2000)) << "nada cambió";
    escribir(viga(3), 2000);
    // Written at 2000: not yet at 2000.2, taken at 2000.3 (0.3 s unchanged).
    EXPECT_FALSE(revisar(2000.2));
    EXPECT_EQ(2, modeloVisor.noBarras);
    EXPECT_TRUE(revisar(2000.31));
    EXPECT_EQ(3, modeloVisor.noBarras) << "el modelo nuevo";
    EXPECT_EQ(1, veces(salida, banner));
    std::ifstream reporte(carpeta + "/resultados.txt");
    EXPECT_TRUE(reporte.good()) << "la recarga escribe el reporte, como F5";
    EXPECT_FALSE(revisar(2001)) << "una sola recarga por cambio";
    EXPECT_EQ(1, veces(salida, banner));
}

TEST_F(vigilancia, dosEscriturasSeguidasUnaSolaRecarga) {
    // Two writes 0.05 s apart, one look between them: the second restarts
    // the wait, and one reload follows.
    escribir(viga(3), 3000);
    EXPECT_FALSE(revisar(3000.02));
    escribir(viga(4), 3000.05);
    EXPECT_FALSE(revisar(3000.3));
    EXPECT_TRUE(revisar(3000.4));
    EXPECT_FALSE(revisar(3001));
    EXPECT_EQ(1, veces(salida, banner));
    EXPECT_EQ(4, modeloVisor.noBarras);
}

TEST_F(vigilancia, archivoQueDesapareceAvisaUnaVezYSigue) {
    ASSERT_EQ(0, std::remove(nombreArchivo.c_str()));
    EXPECT_FALSE(revisar(4000));
    // Taken once gone for 0.3 s: the model stays, the message line says why.
    EXPECT_TRUE(revisar(4000.5)) << "la línea de mensajes cambia";
    EXPECT_EQ("No se pudo leer " + nombreArchivo + ": el archivo no existe. Ingrese Comando:",
              dialogo);
    EXPECT_FALSE(revisar(4001));
    EXPECT_FALSE(revisar(4001.5));
    EXPECT_EQ(1, veces(salida, "Advertencia: no se pudo abrir el archivo " + nombreArchivo))
        << salida;
    EXPECT_EQ(0, veces(salida, banner)) << "sin archivo no hay recarga";
    EXPECT_EQ(2, modeloVisor.noBarras) << "el modelo mostrado queda";
    // Back again: reloaded.
    escribir(viga(5), 4000);
    EXPECT_TRUE(revisar(4002));
    EXPECT_EQ(5, modeloVisor.noBarras);
    EXPECT_EQ("Ingrese Comando:", dialogo) << "el mensaje de la falla se va";
    EXPECT_EQ(1, veces(salida, banner));
}

TEST_F(vigilancia, apagadaNoMiraYElComandoResponde) {
    comando = "vigilar";
    ejecutarComando();
    EXPECT_EQ("Vigilancia del archivo Desactivada. Ingrese Comando:", dialogo);
    escribir(viga(3), 5000);
    EXPECT_FALSE(revisar(5001));
    EXPECT_EQ(2, modeloVisor.noBarras);
    comando = "vigilar";
    ejecutarComando();
    EXPECT_EQ("Vigilancia del archivo Activada. Ingrese Comando:", dialogo);
    // Turning it on takes the file as it is: no reload for what came before.
    EXPECT_FALSE(revisar(5002));
    // F5 also takes the file as it is.
    escribir(viga(4), 5003);
    {
        capturaConsola silencio;
        recargarModelo();
    }
    EXPECT_FALSE(revisar(5004));
}
