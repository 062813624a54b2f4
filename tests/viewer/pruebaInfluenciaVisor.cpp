// The "influencia" and "tren" commands without a window: the prompt, the
// replies, a wrong response, the switches kept across a reload (F5) and
// what is drawn, against the closed forms of a simple span (statics: the
// line of the mid-span moment is a triangle of height L/4; one axle P at
// mid-span gives PL/4, Hibbeler, Structural Analysis, moving loads).
#include <gtest/gtest.h>

#include <fstream>

#include "influenciaVisor.h"
#include "interruptores.h"
#include "modeloVisor.h"
#include "recargaModelo.h"

namespace {

efectoTecla teclear(const std::string& texto) {
    for (unsigned char c : texto) procesarTecla(c, false, false);
    return procesarTecla(13, false, false);
}

// Simple span L = 8 in two bars, a path over both, one axle of 10 kN.
const std::string puente =
    "nudos:\n1 0 0\n2 4 0\n3 8 0\nbarras:\n1 1 2\n2 2 3\n"
    "apoyo: 1 1 0 1\napoyo: 0 1 0 3\nseccionGenerica: S 0.02 4e-4 2e8 0 1 2\n"
    "puntual: P 0 -1 0 2\ncombo: C1 1 P\n"
    "recorrido: PUENTE 1 2\ntren: EJE 0 10\n";

const std::string respuestaOk = "Línea de Influencia Activada (M:1:4 en PUENTE). Ingrese Comando:";

}  // namespace

TEST(influenciaVisor, pideLaRespuestaLaDibujaYSeApaga) {
    cargarModeloVisor(puente);
    teclear("influencia");
    EXPECT_EQ(dialogo, preguntaInfluencia);
    EXPECT_FALSE(flagActivo(interruptor::influencia));
    teclear("M:1:4");
    EXPECT_EQ(dialogo, respuestaOk);
    EXPECT_TRUE(flagActivo(interruptor::influencia));

    std::string problema;
    const dibujoInfluencia* d = influenciaParaDibujar(problema);
    ASSERT_NE(d, nullptr) << problema;
    EXPECT_EQ(d->recorrido, "PUENTE");
    // The triangle: s/2 up to mid-span, (L - s)/2 beyond; its top L/4 = 2
    // at s = 4, on the section, which is marked.
    ASSERT_EQ(d->trazos.size(), 2u);
    for (const trazoInfluencia& t : d->trazos) {
        for (std::size_t k = 0; k < t.x.size(); ++k) {
            const double s = t.barra == 0 ? t.x[k] : 4 + t.x[k];
            EXPECT_NEAR(t.valor[k], s <= 4 ? s / 2 : (8 - s) / 2, 1e-12) << s;
        }
    }
    EXPECT_NEAR(d->maximo.valor, 2, 1e-12);
    EXPECT_NEAR(d->maximo.s, 4, 1e-12);
    EXPECT_NEAR(d->minimo.valor, 0, 1e-12);
    EXPECT_NEAR(d->mayorAbsoluto, 2, 1e-12);
    EXPECT_EQ(d->barraSeccion, 0);
    EXPECT_EQ(d->xSeccion, 4);
    EXPECT_EQ(d->nudo, -1);

    teclear("influencia");
    EXPECT_EQ(dialogo, "Línea de Influencia Desactivada. Ingrese Comando:");
    EXPECT_FALSE(flagActivo(interruptor::influencia));
}

TEST(influenciaVisor, respuestaErradaDiceQueSeEspera) {
    cargarModeloVisor(puente);
    for (const auto& [texto, dice] :
         {std::pair<std::string, std::string>{"M:9:1", "la barra 9 no existe"},
          {"Q:1", "escriba Rx:N, Ry:N, Mz:N, ux:N, uy:N, giro:N, N:B:x, V:B:x o M:B:x"},
          {"M:1:5", "fuera de la barra 1"},
          {"influencia", "no se entiende"}}) {
        teclear("influencia");
        teclear(texto);
        EXPECT_NE(dialogo.find(dice), std::string::npos) << dialogo;
        EXPECT_EQ(dialogo.substr(dialogo.size() - 18), ". Ingrese Comando:") << dialogo;
        EXPECT_FALSE(flagActivo(interruptor::influencia)) << texto;
    }
    // Without a path there is nothing to draw a line along.
    cargarModeloVisor(puente.substr(0, puente.find("recorrido:")));
    teclear("influencia");
    teclear("Ry:1");
    EXPECT_EQ(dialogo, "el modelo no tiene ningún recorrido. Ingrese Comando:");
    teclear("tren");
    EXPECT_EQ(dialogo, "el modelo no tiene ningún tren. Ingrese Comando:");
    EXPECT_FALSE(flagActivo(interruptor::tren));
}

// Ry of node 3 on the same span: the ring marks the node; the line is s/L.
TEST(influenciaVisor, respuestaDeNudo) {
    cargarModeloVisor(puente);
    teclear("influencia");
    teclear("Ry:3");
    std::string problema;
    const dibujoInfluencia* d = influenciaParaDibujar(problema);
    ASSERT_NE(d, nullptr) << problema;
    EXPECT_EQ(d->nudo, 2);
    EXPECT_EQ(d->barraSeccion, -1);
    EXPECT_NEAR(d->maximo.valor, 1, 1e-12);
    EXPECT_NEAR(d->maximo.s, 8, 1e-12);
}

// The train's envelope of M at mid-span: PL/4 = 20 with the axle there;
// its minimum 0 (the axle off the span). The labels name the train.
TEST(influenciaVisor, trenDaLaEnvolventeDelPrimerTren) {
    cargarModeloVisor(puente);
    teclear("tren");
    EXPECT_EQ(dialogo, "Envolvente del Tren Activada (EJE en PUENTE). Ingrese Comando:");
    EXPECT_TRUE(flagActivo(interruptor::tren));
    std::string problema;
    const dibujoEnvolventeTren* d = envolventeTrenParaDibujar(problema);
    ASSERT_NE(d, nullptr) << problema;
    const curvasEnvolvente c = curvasDeEnvolventeTren(*d, 0, esfuerzoBarra::momento);
    ASSERT_EQ(c.x.size(), 21);
    EXPECT_NEAR(c.maximo(20), 20, 1e-9);
    EXPECT_NEAR(c.minimo(20), 0, 1e-9);
    // At x the axle on the section gives P·x(L - x)/L.
    for (Eigen::Index j = 0; j < c.x.size(); ++j)
        EXPECT_NEAR(c.maximo(j), 10 * c.x(j) * (8 - c.x(j)) / 8, 1e-9) << c.x(j);
    const std::vector<rotuloEnvolvente> r = rotulosDeEnvolventeTren(*d, 0, esfuerzoBarra::momento);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_TRUE(r[0].maximo);
    EXPECT_EQ(r[0].lugar, lugarRotulo::fin);
    EXPECT_NE(r[0].texto.find("(EJE)"), std::string::npos) << r[0].texto;
    teclear("tren");
    EXPECT_EQ(dialogo, "Envolvente del Tren Desactivada. Ingrese Comando:");
}

// F5 keeps both switches and the response, and draws them for the model
// read again; a response the new model no longer has is said on the
// message line and nothing is drawn.
TEST(influenciaVisor, recargaConservaLaRespuesta) {
    cargarModeloVisor(puente);
    teclear("influencia");
    teclear("M:1:4");
    teclear("tren");
    {
        std::ofstream f(nombreArchivo);
        std::string largo = puente;
        largo.replace(largo.find("3 8 0"), 5, "3 10 0");
        f << largo;
    }
    {
        capturaConsola silencio;
        recargarModelo();
    }
    EXPECT_TRUE(flagActivo(interruptor::influencia));
    EXPECT_TRUE(flagActivo(interruptor::tren));
    std::string problema;
    const dibujoInfluencia* d = influenciaParaDibujar(problema);
    ASSERT_NE(d, nullptr) << problema;
    // L = 10 now: the top M at x = 4 is 4·6/10.
    EXPECT_NEAR(d->maximo.valor, 2.4, 1e-12);

    {
        std::ofstream f(nombreArchivo);
        f << "nudos:\n1 0 0\n2 3 0\nbarras:\n1 1 2\napoyo: 1 1 1 1\n"
             "seccionGenerica: S 0.02 4e-4 2e8 0 1\ncombo: C1 1 P\nrecorrido: R 1\n";
    }
    {
        capturaConsola silencio;
        recargarModelo();
    }
    EXPECT_EQ(influenciaParaDibujar(problema), nullptr);
    EXPECT_EQ(dialogo, "envolvente del tren: el modelo no tiene ningún tren. Ingrese Comando:");
    EXPECT_EQ(problema, "x = 4 está fuera de la barra 1, que mide 3") << problema;
}
