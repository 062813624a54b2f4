// End to end through the real program: build/karvel2d is started on the
// portal frame of ingresoDatos.txt under the test's X display, commands are
// typed into its window with xdotool and the window is read back with xwd.
// Each layer command must show its own colours and none of the other
// layers'; toggling a combination changes the picture; + and - resize the
// active layer only. The captures of the moment diagram and the deformed
// shape are left in <build>/capturas for the documentation.
#include "programaEnVentana.h"

TEST_F(programaEnVentana, cadaCapaSeMuestraSolaYCambiaConComboYEscalas) {
    imagen pantalla = trasCambio(imagen{});
    EXPECT_GT(pantalla.contar(grisBarra), 100) << "el modelo se dibuja";
    for (const auto& capa : colorDeCapa) EXPECT_EQ(0, pantalla.contar(capa.second)) << capa.first;

    // A layer without an active combination draws nothing.
    comando("plotM");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(0, pantalla.contar(contornoM));

    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C1");
    pantalla = trasCambio(pantalla);
    EXPECT_GT(pantalla.contar(contornoM), 50) << "momentos de C1";
    guardarPng("momentos.png");

    // Every layer command: its colour on, every other layer's off.
    for (const char* nombre : {"plotDef", "plotN", "plotV", "plotCarga", "plotR", "plotM"}) {
        comando(nombre);
        pantalla = trasCambio(pantalla);
        for (const auto& capa : colorDeCapa) {
            if (capa.first == nombre) {
                EXPECT_GT(pantalla.contar(capa.second), 30) << nombre;
            } else {
                EXPECT_EQ(0, pantalla.contar(capa.second)) << nombre << " muestra " << capa.first;
            }
        }
        if (std::string(nombre) == "plotDef") guardarPng("deformada.png");
    }

    // Toggling combinations: C2 added draws more, C1 and C2 removed draw none.
    const imagen soloC1 = pantalla;
    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C2");
    pantalla = trasCambio(pantalla);
    EXPECT_GT(pantalla.contar(contornoM), soloC1.contar(contornoM));
    for (const char* nombre : {"C1", "C2"}) {
        comando("combo");
        pantalla = trasCambio(pantalla);
        comando(nombre);
        pantalla = trasCambio(pantalla);
    }
    EXPECT_EQ(0, pantalla.contar(contornoM));
    comando("combo");
    pantalla = trasCambio(pantalla);
    comando("C1");
    pantalla = trasCambio(pantalla);
    const imagen momentos = pantalla;

    // + enlarges the moment diagram (escalaM × 1.1), - brings it back.
    const auto alto0 = momentos.filas(contornoM);
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    const auto alto1 = pantalla.filas(contornoM);
    EXPECT_GT(alto1.second - alto1.first, alto0.second - alto0.first);
    xdo("key minus");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(alto0, pantalla.filas(contornoM));

    // The deformed shape is not resized by + while the moments are shown.
    comando("plotDef");
    const imagen deformada0 = trasCambio(pantalla);
    comando("plotM");
    pantalla = trasCambio(deformada0);
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    comando("plotDef");
    pantalla = trasCambio(pantalla);
    EXPECT_EQ(deformada0.donde(cianDeformada), pantalla.donde(cianDeformada));
    // ... but by + while it is shown.
    xdo("key KP_Add");
    pantalla = trasCambio(pantalla);
    EXPECT_NE(deformada0.donde(cianDeformada), pantalla.donde(cianDeformada));
}
