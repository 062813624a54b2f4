// Shared set-up of the pixel tests of the result and load layers: a model
// file of tests/datos/visor read and solved, a view with the model point
// (xc, yc) on the centre of the canvas shifted half a pixel so that model
// lines at whole coordinates fall on pixel centres, and pixel look-ups by
// model coordinates.
#pragma once

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "modeloVisor.h"
#include "ventanaPrueba.h"

inline std::string leerDatosVisor(const std::string& nombre) {
    std::ifstream f(std::string(KARVEL_DATOS) + "/visor/" + nombre);
    std::stringstream texto;
    texto << f.rdbuf();
    return texto.str();
}

// What glColor3f(r, g, b) reads back as under llvmpipe: the float channel
// times 255 in float arithmetic, rounded to nearest with ties to even (0.3
// reads 76, 0.9 reads 230, 0.1 reads 26).
inline colorRgb colorLeido(double r, double g, double b) {
    auto canal = [](double v) {
        return static_cast<int>(std::nearbyint(static_cast<float>(v) * 255.0f));
    };
    return {canal(r), canal(g), canal(b)};
}

class capaPrueba : public ventanaPrueba {
  protected:
    // Reads (and solves) the model; 400 × 400 canvas showing zoom units
    // (40 pixels per unit by default).
    void cargar(const std::string& archivo, double xc, double yc, bool resolver = true,
                double zoom = 10) {
        const std::string texto = leerDatosVisor(archivo);
        ASSERT_NE("", texto) << archivo;
        cargarModeloVisor(texto);
        if (resolver) {
            capturaConsola silencio;
            resolverModeloVisor();
        }
        zCam = zoom;
        const double medioPixel = 0.5 * zoom / 400;
        vista(400, 400, zCam, xc - medioPixel, yc - medioPixel);
    }

    // Pixel column / row holding the model point.
    int ix(double x) const { return static_cast<int>(std::floor(pxX(x))); }
    int iy(double y) const { return static_cast<int>(std::floor(pxY(y))); }

    // Some pixel of colour c within r pixels of the model point (x, y).
    bool colorCerca(colorRgb c, double x, double y, int r = 1) const {
        return caja(c, ix(x) - r, iy(y) - r, ix(x) + r, iy(y) + r).n > 0;
    }

    // Canvas after drawing f on a cleared canvas.
    std::vector<unsigned char> captura(const std::function<void()>& f) {
        limpiar();
        dibujar(f);
        return pixeles;
    }

    // Pixels that differ between two captures.
    static int diferencias(const std::vector<unsigned char>& a,
                           const std::vector<unsigned char>& b) {
        int n = 0;
        for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3) {
            n += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
        }
        return n;
    }
};
