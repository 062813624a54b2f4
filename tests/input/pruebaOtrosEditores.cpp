// Files as other editors and other habits write them: a UTF-8 byte-order mark
// at the start (Windows Notepad's "UTF-8 with BOM"), and numbers with a
// decimal comma, which the reader names in a warning and still does not take
// as numbers.
#include <gtest/gtest.h>

#include "claseLeerArchivo.h"
#include "comaDecimal.h"
#include "lecturaPrueba.h"

namespace {

const std::string bom = "\xEF\xBB\xBF";

// The portal frame of the example, as in ingresoDatos.txt.
const std::string portico =
    "nudos:\n1 0 0\n2 0 3\n3 4 3\n4 4 0\n"
    "barras:\n1 1 2\n2 2 3\n3 3 4\n"
    "apoyo: 1 1 1 1 4\n"
    "seccionRectangular: C30 0.3 0.3 2.1e7 24 1 3\n"
    "seccionRectangular: V30x50 0.3 0.5 2.1e7 24 2\n"
    "puntual: W 10 0 0 2\n"
    "distribuidaLocal: CV 0 0 -15 -15 2\n"
    "pesoPropio: PP\n"
    "combo: C1 1.2 PP 1.6 CV\n"
    "combo: C2 1 PP 1 CV 1 W\n";

// The text with one exact piece replaced (the piece must be there).
std::string cambiar(std::string t, const std::string& de, const std::string& a) {
    const std::size_t p = t.find(de);
    EXPECT_NE(p, std::string::npos) << de;
    if (p != std::string::npos) t.replace(p, de.size(), a);
    return t;
}

int veces(const std::string& texto, const std::string& que) {
    int n = 0;
    for (std::size_t p = texto.find(que); p != std::string::npos; p = texto.find(que, p + 1)) ++n;
    return n;
}

}  // namespace

// The mark is skipped whether a tag or a line end follows it; a file of the
// mark alone has no tokens. Elsewhere in the file the same bytes are text.
TEST(OtrosEditores, MarcaDeOrdenDeBytesAlComienzo) {
    for (const std::string& texto : {bom + "nudos: 1 0 0\n", bom + "\r\nnudos: 1 0 0\r\n"}) {
        archivoTemporal a(texto);
        claseLeerArchivo l;
        capturaConsola c;
        l.setNombreArchivo(a.nombre());
        EXPECT_EQ(l.getNoEtiquetas("nudos:"), 1);
        EXPECT_EQ(l.getMatriz("nudos:", 3).rows(), 1);
        EXPECT_EQ(c.texto(), "");
    }
    archivoTemporal soloMarca(bom);
    claseLeerArchivo l;
    l.setNombreArchivo(soloMarca.nombre());
    EXPECT_TRUE(l.archivoLeido());
    EXPECT_EQ(l.getString(bom, 1), "");
    EXPECT_EQ(l.getNoEtiquetas(bom), 0);

    archivoTemporal enMedio("nudos: 1 0 0\n" + bom + "barras: 1 1 1\n");
    l.setNombreArchivo(enMedio.nombre());
    EXPECT_EQ(l.getNoEtiquetas("barras:"), 0);
    EXPECT_EQ(l.getNoEtiquetas(bom + "barras:"), 1);
}

// The portal frame with the mark, with CRLF line ends and with both reads
// into the same model, with the same console, as the plain file.
TEST(OtrosEditores, PorticoConMarcaYFinesDeLineaDeWindows) {
    std::string crlf;
    for (char ch : portico) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const modeloLeido base = leerModelo(portico);
    ASSERT_EQ(base.m.noNudos, 4);
    ASSERT_EQ(base.m.noBarras, 3);
    for (const std::string& texto : {bom + portico, crlf, bom + crlf}) {
        const modeloLeido r = leerModelo(texto);
        EXPECT_EQ(r.consola, base.consola);
        ASSERT_EQ(r.m.nudo.size(), base.m.nudo.size());
        for (std::size_t i = 0; i < r.m.nudo.size(); ++i) {
            EXPECT_EQ(r.m.nudo[i].getNoNudoUsuario(), base.m.nudo[i].getNoNudoUsuario());
            EXPECT_EQ(r.m.nudo[i].getX(), base.m.nudo[i].getX());
            EXPECT_EQ(r.m.nudo[i].getY(), base.m.nudo[i].getY());
            EXPECT_EQ(r.m.nudo[i].getApoyo(), base.m.nudo[i].getApoyo());
        }
        ASSERT_EQ(r.m.barra.size(), base.m.barra.size());
        for (std::size_t i = 0; i < r.m.barra.size(); ++i) {
            EXPECT_EQ(r.m.barra[i].getNombreDeSeccion(), base.m.barra[i].getNombreDeSeccion());
            EXPECT_EQ(r.m.barra[i].getArea(), base.m.barra[i].getArea());
            for (const auto& combo : base.m.combos) {
                EXPECT_EQ(r.m.barra[i].getCargasCombo(combo).trapecio.qi,
                          base.m.barra[i].getCargasCombo(combo).trapecio.qi);
            }
        }
        EXPECT_EQ(r.m.nombreDelCombo(1), "C2");
    }
}

TEST(OtrosEditores, FormaDeUnNumeroConComaDecimal) {
    for (const char* t : {"2,1e7", "-0,3", "+15,50", "0,05", "2,1E7", "3,5e-2", "1,25E+3"})
        EXPECT_TRUE(usaComaDecimal(t)) << t;
    // Not one comma between digits, or more than a number: left alone.
    for (const char* t : {"3,", ",5", "1,2,3", "3,5m", "1.2,3", "1,2e", "1,2e+", "a,b", ",", "-,5",
                          "1;5", "2.1e7", ""})
        EXPECT_FALSE(usaComaDecimal(t)) << t;
    EXPECT_EQ(conPuntoDecimal("2,1e7"), "2.1e7");
    EXPECT_EQ(conPuntoDecimal("-0,3"), "-0.3");
    EXPECT_EQ(conPuntoDecimal("2,1E7"), "2.1e7");  // the reader reads a lowercase e only
}

// A decimal comma in a section, a coordinate and a load: one warning each,
// naming the tag and the token, and the entry handled as it always was (the
// numbers end at the token, so the entry is short).
TEST(OtrosEditores, ComaDecimalEnSeccionCoordenadaYCarga) {
    {
        const auto [m, consola] = leerModelo(cambiar(portico, "C30 0.3", "C30 0,3"));
        EXPECT_EQ(veces(consola, "coma decimal"), 1) << consola;
        EXPECT_TRUE(contieneLinea(consola,
                                  "Advertencia: en seccionRectangular: el valor 0,3 usa coma "
                                  "decimal; escriba 0.3"));
        // Then, as without the warning: the entry has no values.
        EXPECT_TRUE(contieneLinea(consola,
                                  "Advertencia: la entrada 1 de seccionRectangular: (C30) tiene 0 "
                                  "valores y necesita 4; no se aplica"));
        EXPECT_FALSE(m.barra[0].tieneDatosDeRigidez());
        EXPECT_TRUE(m.barra[1].tieneDatosDeRigidez());
    }
    {
        const auto [m, consola] = leerModelo(cambiar(portico, "3 4 3\n", "3 4 3,5\n"));
        EXPECT_EQ(veces(consola, "coma decimal"), 1) << consola;
        EXPECT_TRUE(contieneLinea(
            consola, "Advertencia: en nudos: el valor 3,5 usa coma decimal; escriba 3.5"));
        EXPECT_TRUE(contieneLinea(consola, "Faltan datos para completar la matriz nudos:"));
        EXPECT_EQ(m.noNudos, 0);
    }
    {
        const auto [m, consola] = leerModelo(cambiar(portico, "W 10 0 0", "W 10 -2,5e1 0"));
        EXPECT_EQ(veces(consola, "coma decimal"), 1) << consola;
        EXPECT_TRUE(contieneLinea(
            consola, "Advertencia: en puntual: el valor -2,5e1 usa coma decimal; escriba -2.5e1"));
        EXPECT_TRUE(contieneLinea(consola,
                                  "Advertencia: la entrada 1 de puntual: (W) tiene 1 valor y "
                                  "necesita 3; no se aplica"));
        EXPECT_EQ(m.nudo[1].getCargasCombo(m.combos[1]), Eigen::Vector3d::Zero());
    }
}

// Also where a factor of a combination or a setting is read; a comma token
// that does not end a run of numbers (a comment after the data) is text and
// says nothing.
TEST(OtrosEditores, ComaDecimalEnFactorYAjusteYComentarios) {
    const auto [m, consola] = leerModelo(cambiar(portico, "C1 1.2 PP", "C1 1,2 PP") +
                                         "escalaM: 0,05\nnota: vale 3,5 y 4,5\n");
    EXPECT_EQ(veces(consola, "coma decimal"), 2) << consola;
    EXPECT_TRUE(contieneLinea(consola,
                              "Advertencia: en combo: el valor 1,2 usa coma decimal; escriba 1.2"));
    EXPECT_TRUE(contieneLinea(
        consola, "Advertencia: en escalaM: el valor 0,05 usa coma decimal; escriba 0.05"));
    EXPECT_TRUE(contieneLinea(
        consola, "Advertencia: el valor 0,05 de escalaM: no es un número válido; se ignora"));
    EXPECT_EQ(m.combos[0].terminos.size(), 0u);
}
