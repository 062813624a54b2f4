// The result and load layers keep what they draw between frames. One layer
// of one combination is a list of pieces, one per bar or node, each a GL
// display list compiled from the sampled geometry (stations, labels,
// arrows) with the box of model space it covers. A frame replays the
// pieces that fall inside the view; the pieces are compiled again only when
// something they were drawn from has changed: the model, the scale, the
// text size, the decimals, a display switch, the visibility marks (and for
// the loads, whose arrow heads follow the zoom, zCam). An envelope layer is
// kept once for all the combinations it is taken over, and compiled again
// when that set changes as well. With colorPorCombo on, a combination's
// layer also follows the active combinations (its colour and place) and the
// camera and window (its labels keep inside the window), the camera as it
// stands when no pan is under way: during a pan the pieces are replayed,
// and the labels are placed again once the button is released.
#pragma once

#include <functional>
#include <vector>

// The layers kept, by the switch that shows them; then the N, V and M
// layers in envelope mode, and as the envelope of a train.
enum class capaCache {
    deformada,
    axial,
    cortante,
    momento,
    cargas,
    reacciones,
    envolventeAxial,
    envolventeCortante,
    envolventeMomento,
    trenAxial,
    trenCortante,
    trenMomento
};

// Collects the pieces of one layer while it is built.
class constructorPiezas {
  public:
    // A piece starts: what is drawn until terminar() belongs to it.
    void iniciar();
    // Grows the piece's box by a point in model coordinates, or by a point
    // given in the frame of bar i (x along it from its start, y to its left).
    void punto(double x, double y);
    void puntoEnBarra(int i, double x, double y);
    // Room for a text of n characters at the current text height around
    // every point of the piece (labels stand beside the points they name).
    void rotulo(int caracteres);
    // Room of d model units around every point (arrow heads, arcs).
    void holgura(double d);
    void terminar();

    struct datos;
    explicit constructorPiezas(datos& d) : d(d) {}

  private:
    datos& d;
};

// Draws layer `capa` of combination c at the given scale: from the kept
// pieces when they are still valid, otherwise after construir has drawn
// them again through the constructor. A vector capture draws the layer
// directly, keeping nothing.
void dibujarCapa(capaCache capa, int c, double escala,
                 const std::function<void(constructorPiezas&)>& construir);

// The same for an envelope layer over the combinations `combos`.
void dibujarCapa(capaCache capa, const std::vector<int>& combos, double escala,
                 const std::function<void(constructorPiezas&)>& construir);

// Pieces compiled and pieces replayed since the start (a test can tell a
// rebuild from a replay, and see the pieces outside the view skipped).
long piezasCompiladas();
long piezasDibujadas();
