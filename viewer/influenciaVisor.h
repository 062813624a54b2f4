// What the "influencia" and "tren" commands show, without OpenGL: the
// response the user chose (kept across reloads and read again against each
// model), its influence line along the model's first path, and the envelope
// of the first train over that path at every station of the model. Each is
// computed once for the model held now, when first asked for.
#pragma once

#include <string>
#include <vector>

#include "envolventeDiagramas.h"
#include "envolventeTren.h"

// One piece of the drawn line, in the frame of path bar `barra` (internal
// index): the line's value at abscissas x along the bar, in path order.
struct trazoInfluencia {
    int barra;
    std::vector<double> x;
    std::vector<double> valor;
};

// The largest or smallest value and where it stands.
struct extremoInfluencia {
    double valor;
    double s;   // along the path
    int barra;  // internal index
    double x;   // the bar's own abscissa
};

struct dibujoInfluencia {
    std::string recorrido;  // the path's name
    std::vector<trazoInfluencia> trazos;
    extremoInfluencia maximo, minimo;
    double mayorAbsoluto = 0;  // of the whole line
    // The response's place: a section of a bar, or a node.
    int barraSeccion = -1;
    double xSeccion = 0;
    int nudo = -1;
};

// The prompt of the "influencia" command.
extern const char* const preguntaInfluencia;

// Takes `texto` as the response to show when it is one of the model held
// now and the model has a path that can carry a load; otherwise false, with
// `error` saying why in one phrase.
bool elegirRespuestaInfluencia(const std::string& texto, std::string& error);

// The line of the chosen response on the model held now; null, with
// `problema` saying why, when there is none to draw (no response chosen,
// or it no longer reads on a model read again).
const dibujoInfluencia* influenciaParaDibujar(std::string& problema);

struct dibujoEnvolventeTren {
    std::string tren, recorrido;
    std::vector<filaEnvolventeTren> filas;  // 21 per bar, bars in model order
};

// The envelope of the model's first train over its first path; null, with
// `problema`, when the model has no train or no path that can carry it.
const dibujoEnvolventeTren* envolventeTrenParaDibujar(std::string& problema);

// The curves and the labels of bar b (internal index) of the layer of force
// e, as the envelope of the combinations gives them; the labels name the
// train.
curvasEnvolvente curvasDeEnvolventeTren(const dibujoEnvolventeTren& d, int barra, esfuerzoBarra e);
std::vector<rotuloEnvolvente> rotulosDeEnvolventeTren(const dibujoEnvolventeTren& d, int barra,
                                                      esfuerzoBarra e);

// The influence line is drawn with its largest ordinate this share of the
// model's diagonal, times the factor the + and - keys change while it is on.
extern double factorEscalaInfluencia;
