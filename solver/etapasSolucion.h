// Stages of funcionSolucionU, in the order it runs them. They read the model
// and fill the solution being built; split out so that each file has one job.
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <vector>

#include "modelo.h"
#include "solucion.h"

// Freedom numbering, the loads of every bar in every combination with their
// equivalent nodal loads (s.barras), assembly of kEstructura and pCombo
// (bars, nodal loads, springs) and partition into free and restrained
// blocks.
void ensamblarYParticionar(const modelo& m, solucion& s, int nNudos, int nCombos);

// Blocks of a structure matrix between the free freedoms (L) and the
// restrained ones (R), in the order of the two lists.
struct bloquesMatriz {
    Eigen::SparseMatrix<double> LL, LR, RL, RR;
};
bloquesMatriz particionarMatriz(const Eigen::SparseMatrix<double>& k,
                                const std::vector<int>& libres,
                                const std::vector<int>& restringidos);

// Supports on inclined surfaces and settlements (restriccionesApoyos.cpp).
// Restraint of freedom a (0 X, 1 Y, 2 rotation) of node n in the axes the
// solve uses: 0 free, 1 restrained, other values neither; an inclined
// support frees its first freedom (along its surface) and restrains the
// second (normal to it).
int restriccionDeGdl(const objNudo2d& n, int a);
bool hayApoyosInclinados(const modelo& m, int nNudos);
// R with u_global = R·ũ: identity but on the translations of the nodes on
// an inclined support, whose columns are the surface's t and n.
Eigen::SparseMatrix<double> rotacionApoyos(const modelo& m, int nNudos);
// The settlements at the restrained freedoms (noRestringidos x nCombos); on
// an inclined support, the component along its normal.
Eigen::MatrixXd desplazamientosImpuestos(const modelo& m, const solucion& s, int nCombos);
// Rows of u (3N x c) from the turned axes back to global X, Y.
void aEjesGlobales(const modelo& m, int nNudos, Eigen::MatrixXd& u);

// Sparse LDLᵀ of kLL (lower triangle) with the approximate minimum degree
// fill-reducing ordering, factorised once for every combination. False when
// kLL is not positive definite: the factorisation stopped on a zero pivot,
// or a pivot is not above the rank threshold.
using factorizacionRigidez =
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>>;
bool factorizarRigidez(const Eigen::SparseMatrix<double>& k, factorizacionRigidez& f);
// A pivot of d counts as zero when it does not exceed this: ε·n times the
// largest |pivot|, the rank threshold of the full-pivoting LU.
double umbralDePivote(const Eigen::VectorXd& d);

// uLibres from kLL·uLibres = pL for every combination: the sparse
// factorisation, or, when kLL is singular or indefinite or the solution
// does not balance, a rank-revealing solve. Returns the free freedoms
// (structure numbers) that the rank-revealing solve found without
// stiffness; empty when the sparse factorisation served.
std::vector<int> resolverLibres(solucion& s, int nCombos);

// Rank-revealing solve of kLL·uLibres = pL for a singular or indefinite kLL:
// dense LU with complete pivoting up to limiteLuDensa free freedoms; above,
// resolverApartandoDependientes, or, when that cannot decide, sparse QR with
// COLAMD ordering. The unknowns of the dependent columns come out 0 and are
// returned (structure freedom numbers).
std::vector<int> resolverSingular(solucion& s);
constexpr int limiteLuDensa = 2000;

// The dependent freedoms found by the sparse LDLᵀ itself: the freedoms
// nothing stiffens and those of zero, tiny or negative pivots are set apart
// and the rest factorised again until it is positive definite; the set-apart
// freedoms are then solved exactly from their small dense Schur complement by
// LU with complete pivoting at the same pivot threshold, whose dependent
// columns, with the empty ones, come out 0. False when the sparse
// factorisation cannot isolate them (too many, or the rest not positive
// definite after a few rounds) or its solution does not balance the
// equations it solves; dependientes then says nothing. On success,
// uLibres is set and dependientes holds the free indexes of the dependent
// columns.
bool resolverApartandoDependientes(solucion& s, std::vector<int>& dependientes);

// Full displacements u, results of every node and bar, reactions.
void distribuirResultados(const modelo& m, solucion& s, int nNudos, int nCombos);
// The results of every node from u and reacciones (s.nudos).
void resultadosDeNudos(const modelo& m, solucion& s, int nNudos);

// Combinations (indexes, ascending) whose equilibrium residual at the free
// freedoms, kLL·uLibres − pL, is not negligible or not finite; with
// omitidas (one mark per free index), the marked rows do not count.
std::vector<int> combosDesequilibrados(const solucion& s, int nCombos,
                                       const std::vector<char>* omitidas = nullptr);

// One warning per freedom without stiffness (at most a few, then how many
// more), and one per unbalanced combination; when no freedom without
// stiffness explains it, the freedom of the largest residual after it.
// Fills combosSinEquilibrio.
void verificarEquilibrio(const modelo& m, solucion& s, int nCombos,
                         const std::vector<int>& sinRigidez);

// True when g is a freedom number of a structure of nNudos nodes.
inline bool gdlEnRango(int g, int nNudos) {
    return g >= 0 && g < 3 * nNudos;
}
