// Rows of the buckling and vibration tables: factors and periods, and the
// mode shapes on the user's nodes in input order.
#include <Eigen/Dense>

#include "escritorCsv.h"
#include "tablasAnalisis.h"

namespace {

constexpr double dosPi = 2 * 3.141592653589793;

// The rows of mode j of a 3N x modes matrix, one per user node, after the
// leading fields that `inicio` writes.
template <class Inicio>
void escribirModo(escritorCsv& t, const modelo& m, const Eigen::MatrixXd& modos, int j,
                  Inicio inicio) {
    for (std::size_t n = 0; n < m.nudo.size() && 3 * n + 2 < static_cast<std::size_t>(modos.rows());
         ++n) {
        inicio();
        t.entero(m.nudo[n].getNoNudoUsuario());
        t.numero(modos(3 * n, j)).numero(modos(3 * n + 1, j)).numero(modos(3 * n + 2, j));
        t.finDeFila();
    }
}

}  // namespace

void escribirTablaPandeo(std::ostream& s, const modelo& m, const resultadoPandeo& p) {
    escritorCsv t(s, "combo,modo,factor");
    for (const pandeoDeCombo& c : p.combos) {
        for (Eigen::Index j = 0; j < c.factores.size(); ++j) {
            t.texto(m.nombreDelCombo(c.combo)).entero(j + 1).numero(c.factores(j));
            t.finDeFila();
        }
    }
}

void escribirTablaModosPandeo(std::ostream& s, const modelo& m, const resultadoPandeo& p) {
    escritorCsv t(s, "combo,modo,nudo,ux,uy,giro");
    for (const pandeoDeCombo& c : p.combos) {
        for (int j = 0; j < static_cast<int>(c.modos.cols()); ++j)
            escribirModo(t, m, c.modos, j,
                         [&] { t.texto(m.nombreDelCombo(c.combo)).entero(j + 1); });
    }
}

void escribirTablaModal(std::ostream& s, const resultadoModal& r) {
    escritorCsv t(s, "modo,omega,frecuencia,periodo,masa_x,masa_y");
    for (Eigen::Index j = 0; j < r.omega.size(); ++j) {
        const double f = r.omega(j) / dosPi;
        t.entero(j + 1).numero(r.omega(j)).numero(f).numero(1 / f);
        t.numero(r.masaX(j)).numero(r.masaY(j));
        t.finDeFila();
    }
}

void escribirTablaModosVibracion(std::ostream& s, const modelo& m, const resultadoModal& r) {
    escritorCsv t(s, "modo,nudo,ux,uy,giro");
    for (int j = 0; j < static_cast<int>(r.modos.cols()); ++j)
        escribirModo(t, m, r.modos, j, [&] { t.entero(j + 1); });
}
