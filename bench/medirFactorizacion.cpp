// medirFactorizacion archivo [veces]: assembles the model of the input file
// and times the factorisation and solve of its free block kLL with Eigen's
// SimplicialLDLT (AMD ordering) and with CHOLMOD (supernodal LLᵀ and
// simplicial LDLᵀ, both with CHOLMOD's own ordering), the median of
// `veces` runs each (default 5). One line per method:
//   metodo analisis[s] factorizacion[s] solucion[s] total[s] residuo
#include <Eigen/CholmodSupport>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "etapasSolucion.h"
#include "funcionLeerArchivo.h"

namespace {

double ahora() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// analyzePattern, factorize and solve of one method, `veces` times.
template <class Metodo>
void medir(const std::string& nombre, int veces, const solucion& sistema) {
    const Eigen::SparseMatrix<double>& kLL = sistema.kLL;
    const Eigen::MatrixXd& pL = sistema.pL;
    std::vector<double> analisis, factorizacion, solucion;
    double residuo = 0;
    for (int k = 0; k < veces; ++k) {
        Metodo m;
        const double t0 = ahora();
        m.analyzePattern(kLL);
        const double t1 = ahora();
        m.factorize(kLL);
        const double t2 = ahora();
        const Eigen::MatrixXd x = m.solve(pL);
        const double t3 = ahora();
        analisis.push_back(t1 - t0);
        factorizacion.push_back(t2 - t1);
        solucion.push_back(t3 - t2);
        residuo = (kLL * x - pL).norm() / pL.norm();
    }
    const double a = mediana(analisis), f = mediana(factorizacion), s = mediana(solucion);
    std::cout << nombre << " " << a << " " << f << " " << s << " " << a + f + s << " " << residuo
              << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Uso: medirFactorizacion archivo [veces]" << std::endl;
        return 1;
    }
    const int veces = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 5;
    std::ostringstream descarte;
    std::streambuf* consola = std::cout.rdbuf(descarte.rdbuf());
    const modelo m = funcionLeerArchivo(argv[1]);
    solucion s;
    ensamblarYParticionar(m, s, m.noNudos, m.noCombos);
    std::cout.rdbuf(consola);

    std::cout << "libres " << s.noLibres << " noCeros " << s.kLL.nonZeros() << std::endl;
    medir<factorizacionRigidez>("SimplicialLDLT-AMD", veces, s);
    medir<Eigen::CholmodSupernodalLLT<Eigen::SparseMatrix<double>, Eigen::Lower>>(
        "CHOLMOD-supernodal-LLT", veces, s);
    medir<Eigen::CholmodSimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower>>(
        "CHOLMOD-simplicial-LDLT", veces, s);
    return 0;
}
