#include "escrituraMatrices.h"
#include "seccionesReporte.h"

void escribirAnalisis(salidaReporte& s, const modelo& m, const solucion& r) {
    if (!r.segundoOrden) return;
    s << "ANALISIS DE SEGUNDO ORDEN (P-Delta), " << r.subdivisiones
      << " subdivisiones por barra: desplazamientos, reacciones y esfuerzos de segundo orden;\n"
      << "las matrices de rigidez y las cargas equivalentes son las de primer orden, y las "
         "constantes de integracion las de la primera subdivision de cada barra.\n";
    if (!r.combosSinSolucion.empty()) {
        s << "Combos sin solucion de segundo orden (superan su carga critica; valores nan):";
        for (int c : r.combosSinSolucion) s << " " << m.nombreDelCombo(c).c_str();
        s << "\n";
    }
    s << "\n";
}

void escribirNudosYApoyos(salidaReporte& s, const modelo& m) {
    s << "#Nudo CoordX coordY\n";
    for (const auto& n : m.nudo)
        s << n.getNoNudoUsuario() << " " << n.getX() << " " << n.getY() << "\n";

    s << "\n\n"
      << "Apoyado = 1; sin Apoyo = 0\n"
      << "#Nudo | ApoyoX | ApoyoY | giro\n";
    for (const auto& n : m.nudo) {
        const Eigen::Vector3i a = n.getApoyo();
        s << n.getNoNudo() << " " << a(0) << " " << a(1) << " " << a(2) << "\n";
    }
}

// Freedom numbers are written 1-based.
void escribirRigideces(salidaReporte& s, const modelo& m, const solucion& r) {
    s << "\n\n"
      << "Matrices de Rigidez de Barras\n";
    for (const objBarra2d& b : m.barra) {
        s << "#_barra: " << b.getNoBarraUsuario() << "\n";
        s << "nudo_Inicio: " << b.getNudoInicioUsuario() << "\n";
        s << "nudo_final: " << b.getNudoFinalUsuario() << "\n";
        s << "longitud: " << b.getLongitud() << "\n";
        s << "angulo: " << b.getAngulo() << "\n";
        s << "Area: " << b.getArea() << "\n";
        s << "Inercia: " << b.getInercia() << "\n";
        s << "modE: " << b.getModE() << "\n";
        const Eigen::VectorXi g = b.getGdl();
        s << "grados_de_libertad: " << Eigen::MatrixXi((g.array() + 1).matrix().transpose())
          << "\n";
        s << "Matriz_de_Rigidez:\n" << b.getKGlobal() << "\n\n";
    }

    s << "\n\n"
      << "MATRIZ DE RIGIDEZ DE TODA LA ESTRUCTURA: \n"
      << r.kEstructura << "\n";
}
