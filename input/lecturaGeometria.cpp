// Geometry and bar properties: node and bar tables, number tables, nodes,
// bars, sections and hinges.
#include <algorithm>
#include <iostream>

#include "lecturaInterna.h"

namespace lectura {

namespace {

bool numeroPropioValido(double v) {
    return v >= 0.0 && v <= numeroUsuarioMaximo;
}

// User number -> internal index, -1 where no row carries the number. When
// two rows carry one number, each keeps its own index and the number names
// the later row.
Eigen::VectorXi tablaDeNumeros(const std::vector<int>& numeros, const std::string& etiqueta,
                               const std::string& queElemento) {
    Eigen::VectorXi tabla;
    if (numeros.empty()) return Eigen::VectorXi(0);
    int mayor = 0;
    for (int n : numeros) mayor = std::max(mayor, n);
    tabla.setConstant(mayor + 1, -1);
    for (std::size_t r = 0; r < numeros.size(); ++r) {
        if (tabla(numeros[r]) != -1) {
            advertir("en " + etiqueta + " el número " + std::to_string(numeros[r]) +
                     " se repite; cada fila es " + queElemento +
                     " y el número se refiere a la última");
        }
        tabla(numeros[r]) = static_cast<int>(r);
    }
    return tabla;
}

}  // namespace

void leerTablas(modelo& m, claseLeerArchivo& lector, Eigen::MatrixXd& tablaNudos,
                std::vector<filaBarra>& filasBarras) {
    // Nodes: rows with an own number out of range are refused.
    const Eigen::MatrixXd leidos = lector.getMatriz("nudos:", 3);
    std::vector<Eigen::Index> filas;
    for (Eigen::Index r = 0; r < leidos.rows(); ++r) {
        if (numeroPropioValido(leidos(r, 0))) {
            filas.push_back(r);
        } else {
            advertir("en nudos: el número de nudo " + texto(leidos(r, 0)) +
                     " está fuera del rango 0 a 1000000; se ignora la fila");
        }
    }
    tablaNudos.resize(static_cast<Eigen::Index>(filas.size()), 3);
    std::vector<int> numerosNudos;
    for (std::size_t r = 0; r < filas.size(); ++r) {
        tablaNudos.row(static_cast<Eigen::Index>(r)) = leidos.row(filas[r]);
        numerosNudos.push_back(static_cast<int>(leidos(filas[r], 0)));
    }
    m.noNudos = static_cast<int>(filas.size());
    m.punteroNudos = tablaDeNumeros(numerosNudos, "nudos:", "un nudo distinto");
    std::cout << "lectura de nudos OK "
              << "Num Nudos = " << m.noNudos << std::endl;

    // Bars: rows with an own number out of range, or naming a node that does
    // not exist, are left out.
    const Eigen::MatrixXd tablaBarras = lector.getMatriz("barras:", 3);
    filasBarras.clear();
    std::vector<int> numerosBarras;
    for (Eigen::Index r = 0; r < tablaBarras.rows(); ++r) {
        const double numero = tablaBarras(r, 0);
        if (!numeroPropioValido(numero)) {
            advertir("en barras: el número de barra " + texto(numero) +
                     " está fuera del rango 0 a 1000000; se ignora la fila");
            continue;
        }
        std::string faltan;
        int cuantos = 0;
        for (int c = 1; c <= 2; ++c) {
            if (buscarNudo(m, tablaBarras(r, c)) < 0) {
                faltan += (cuantos ? " y " : "") + texto(tablaBarras(r, c));
                ++cuantos;
            }
        }
        if (cuantos > 0) {
            advertir("en barras: la barra " + texto(numero) +
                     (cuantos == 1 ? " nombra el nudo " : " nombra los nudos ") + faltan +
                     (cuantos == 1 ? ", que no existe" : ", que no existen") +
                     "; se ignora la barra");
            continue;
        }
        filasBarras.push_back({static_cast<int>(numero), static_cast<int>(tablaBarras(r, 1)),
                               static_cast<int>(tablaBarras(r, 2))});
        numerosBarras.push_back(static_cast<int>(numero));
    }
    m.noBarras = static_cast<int>(filasBarras.size());
    // Rebuilt on every read, also when there are no bars, so that no number
    // of an earlier model survives.
    m.punteroBarras = tablaDeNumeros(numerosBarras, "barras:", "una barra distinta");
    std::cout << "lectura de barras OK "
              << "Num Barras = " << m.noBarras << std::endl;

    std::cout << "punteros de nudos internos OK" << std::endl;
    if (m.noBarras != 0) std::cout << "puntero de barras internas OK" << std::endl;
}

void crearNudos(modelo& m, const Eigen::MatrixXd& tablaNudos) {
    std::vector<objNudo2d>& nudo = m.nudo;
    nudo.assign(static_cast<std::size_t>(m.noNudos), objNudo2d());
    for (int r = 0; r < m.noNudos; ++r) {
        nudo[r].setNumeroNudoUsuario(static_cast<int>(tablaNudos(r, 0)));
        nudo[r].setNumeroDeNudo(r);
        nudo[r].setCoordenadas(tablaNudos(r, 1), tablaNudos(r, 2));
    }
    std::cout << "transferencia de coord a nudos[i] OK" << std::endl;
}

void crearBarras(modelo& m, const std::vector<filaBarra>& filasBarras) {
    const std::vector<objNudo2d>& nudo = m.nudo;
    m.barra.assign(static_cast<std::size_t>(m.noBarras), objBarra2d());
    if (m.noBarras == 0) return;
    for (int r = 0; r < m.noBarras; ++r) {
        const filaBarra& f = filasBarras[r];
        const int i = m.punteroNudos(f.nudoInicioUsuario);
        const int j = m.punteroNudos(f.nudoFinalUsuario);
        objBarra2d& b = m.barra[r];
        b.resetFlags();
        b.setNumeroBarraUsuario(f.numero);
        b.setNumeroDeBarra(r);
        b.setNudoInicio(i, nudo[i].getX(), nudo[i].getY());
        b.setNudoFinal(j, nudo[j].getX(), nudo[j].getY());
        b.setNudoInicioUsuario(f.nudoInicioUsuario);
        b.setNudoFinalUsuario(f.nudoFinalUsuario);
        if (b.esLongitudCero()) {
            advertir("la barra " + std::to_string(f.numero) +
                     " tiene longitud cero; no se considera en el análisis");
        }
    }
    std::cout << "transferencia de coord a barra[i] OK" << std::endl;
}

namespace {

// Warns about every section value that is not positive (kept as given).
void revisarPositivos(const std::vector<double>& v, const char* const nombresValores[3],
                      const std::string& etiqueta, int k, const std::string& nombre) {
    const std::size_t indices[3] = {0, 1, 2};
    for (std::size_t i : indices) {
        if (!(v[i] > 0.0)) {
            advertir(entrada(etiqueta, k, nombre) + " tiene " + nombresValores[i] + " = " +
                     texto(v[i]) + ", que no es positivo; se conserva");
        }
    }
}

// One section tag: name; two geometric values, E, specific weight; then the
// bars that take it. Later entries overwrite earlier ones on the same bar.
void leerSeccion(modelo& m, claseLeerArchivo& lector, const std::string& etiqueta,
                 bool rectangular) {
    static const char* const nombresRect[3] = {"b", "h", "E"};
    static const char* const nombresGen[3] = {"A", "I", "E"};
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        const std::string nombre = lector.getString(etiqueta, k);
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 1);
        revisarNombre(lector, nombre, etiqueta, k, "sección");
        if (!valoresSuficientes(v, 4, etiqueta, k, nombre)) continue;
        revisarPositivos(v, rectangular ? nombresRect : nombresGen, etiqueta, k, nombre);
        aplicarABarras(m, v, 4, etiqueta, [&](objBarra2d& b) {
            if (rectangular) {
                b.setSeccionRectangular(v[0], v[1]);
            } else {
                b.setSeccionGenerica(v[0], v[1]);
            }
            b.setModuloE(v[2]);
            b.setPesoEspecifico(v[3]);
            b.setNombreDeSeccion(nombre);
        });
    }
}

}  // namespace

void leerSecciones(modelo& m, claseLeerArchivo& lector) {
    // Rectangular entries first, generic ones after: a generic section wins.
    leerSeccion(m, lector, "seccionRectangular:", true);
    if (m.noBarras != 0) std::cout << "transferencia de secciones rect a barra[i] OK" << std::endl;
    leerSeccion(m, lector, "seccionGenerica:", false);
    if (m.noBarras != 0) std::cout << "transferencia de secciones gen a barra[i] OK" << std::endl;
}

void avisarBarrasSinSeccion(const modelo& m) {
    for (const objBarra2d& b : m.barra) {
        if (b.tieneDatosDeRigidez()) continue;
        advertir("la barra " + std::to_string(b.getNoBarraUsuario()) +
                 " no tiene sección (ninguna seccionRectangular: ni seccionGenerica: la nombra);"
                 " no aporta rigidez");
    }
}

void leerArticulaciones(modelo& m, claseLeerArchivo& lector) {
    const std::string etiqueta = "articulacion:";
    const int cantidad = lector.getNoEtiquetas(etiqueta);
    for (int k = 1; k <= cantidad; ++k) {
        const std::vector<double> v = lector.getMatrizEtiquetaRepetida(etiqueta, k, 0);
        if (!valoresSuficientes(v, 2, etiqueta, k)) continue;
        aplicarABarras(m, v, 2, etiqueta, [&](objBarra2d& b) { b.setArticulacion(v[0], v[1]); });
    }
    if (cantidad > 0) std::cout << "transferencia de articulaciones a barra[i] OK" << std::endl;
}

}  // namespace lectura
