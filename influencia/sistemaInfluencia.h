// The structure's answer to a unit force or moment at each freedom of the
// nodes of the paths: one factorisation of the free block, one solve with
// all those unit loads as right-hand sides. Any load that moves along a bar
// of a path acts on the structure through the equivalent nodal loads at the
// bar's two nodes, so these solutions give, by superposition, the response
// to the load anywhere on the path.
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>
#include <array>
#include <vector>

#include "modelo.h"
#include "resultadosBarra.h"
#include "resultadosNudo.h"

// The freedoms (X, Y, rotation) of a node that a load moving along a path
// loads.
using gradosCargados = std::array<bool, 3>;

class sistemaInfluencia {
  public:
    // Unit loads at the freedoms of `nudos` (internal indexes); with
    // `cargados` (by node index) only at those it marks, the others left
    // without answer (zero): a load that never reaches them needs none.
    sistemaInfluencia(const modelo& m, const std::vector<int>& nudos,
                      const std::vector<gradosCargados>& cargados = {});

    // False when the structure cannot carry a load there (a mechanism or a
    // singular stiffness): there are no influence lines.
    bool resuelto() const { return valido; }
    // Number of unit loads (three per node, X, Y and rotation).
    int columnas() const { return static_cast<int>(nudos.size()) * 3; }
    // Column of the unit load at freedom a (0 X, 1 Y, 2 rotation) of node n,
    // or -1 when the node is not among those of the paths.
    int columna(int n, int a) const;

    // The results of node n and of bar b under each unit load: column k is
    // the unit load k.
    resultadosNudo resultadosDeNudo(int n) const;
    resultadosBarra resultadosDeBarra(int b) const;

  private:
    const modelo& m;
    std::vector<int> nudos;
    std::vector<int> columnaDeNudo;  // by node index: first column, or -1
    bool valido = false;
    Eigen::MatrixXd u;                    // 3N x columns, global axes
    Eigen::SparseMatrix<double> rigidez;  // of the whole structure, global axes
};
