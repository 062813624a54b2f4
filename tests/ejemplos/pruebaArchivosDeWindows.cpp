// ingresoDatos.txt as a Windows editor saves it (a UTF-8 byte-order mark at
// the start, CRLF line ends, or both), run through the real karvel2d-reporte:
// the same console and the same resultados.txt as the plain file, whose
// values ResultadosEsperados checks against hand calculations.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "archivoTemporal.h"
#include "carpetaTemporal.h"

namespace {

struct corrida {
    int estado = -1;
    std::string consola;
    std::string reporte;
};

// The tool on `texto` saved as entrada.txt in a folder of its own.
corrida ejecutarSobre(const std::string& texto) {
    carpetaTemporal c;
    { std::ofstream(c.ruta + "/entrada.txt", std::ios::binary) << texto; }
    const std::string orden =
        "cd " + c.ruta + " && " KARVEL_BINARIOS "/karvel2d-reporte entrada.txt > consola.txt 2>&1";
    const int estado = std::system(orden.c_str());
    corrida r;
    r.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    r.consola = leerArchivo(c.ruta + "/consola.txt");
    r.reporte = leerArchivo(c.ruta + "/resultados.txt");
    return r;
}

}  // namespace

TEST(ArchivosDeWindows, MarcaDeOrdenDeBytesYFinesDeLineaCRLF) {
    const std::string plano = leerArchivo(KARVEL_RAIZ "/ingresoDatos.txt");
    ASSERT_NE(plano.find("nudos:"), std::string::npos);
    ASSERT_EQ(plano.find('\r'), std::string::npos);
    std::string crlf;
    for (char ch : plano) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const std::string bom = "\xEF\xBB\xBF";

    const corrida base = ejecutarSobre(plano);
    ASSERT_EQ(base.estado, 0) << base.consola;
    ASSERT_FALSE(base.reporte.empty());
    const struct {
        const char* nombre;
        std::string texto;
    } variantes[] = {{"marca", bom + plano}, {"CRLF", crlf}, {"marca y CRLF", bom + crlf}};
    for (const auto& v : variantes) {
        SCOPED_TRACE(v.nombre);
        const corrida r = ejecutarSobre(v.texto);
        EXPECT_EQ(r.estado, 0);
        EXPECT_EQ(r.consola, base.consola);
        EXPECT_TRUE(r.reporte == base.reporte) << "resultados.txt distinto";
    }
}
