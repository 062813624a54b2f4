#include "salidaReporte.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace {

// One large buffer: a few write calls per second of report.
constexpr std::size_t tamanoBuffer = 16u << 20;
// Counting only needs room for the widest item.
constexpr std::size_t tamanoBufferConteo = 1u << 16;

}  // namespace

salidaReporte::salidaReporte()
    : buffer(new char[tamanoBufferConteo]), capacidad(tamanoBufferConteo) {}

salidaReporte::salidaReporte(int descriptor, std::uint64_t tamano)
    : fd(descriptor),
      escribe(true),
      capacidad(static_cast<std::size_t>(
          std::clamp<std::uint64_t>(tamano, tamanoBufferConteo, tamanoBuffer))) {
    buffer.reset(new char[capacidad]);
}

salidaReporte::~salidaReporte() = default;

bool salidaReporte::vaciar() {
    std::size_t hecho = 0;
    while (escribe && !error && hecho < usados) {
        const ssize_t n = ::write(fd, buffer.get() + hecho, usados - hecho);
        if (n > 0) {
            hecho += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            error = true;
        }
    }
    total += usados;
    usados = 0;
    return !error;
}

char* salidaReporte::reservar(std::size_t n) {
    if (capacidad - usados < n) {
        vaciar();
        if (capacidad < n) {
            buffer.reset(new char[n]);
            capacidad = n;
        }
    }
    return buffer.get() + usados;
}

// Two passes over the entries: their texts and the widest, then the rows.
template <class M>
void salidaReporte::matrizDensa(const M& m) {
    const Eigen::Index filas = m.rows(), columnas = m.cols();
    if (m.size() == 0) return;
    std::vector<char> textos(static_cast<std::size_t>(m.size()) * largoMaximoNumero);
    std::vector<int> largos(static_cast<std::size_t>(m.size()));
    int ancho = 0;
    for (Eigen::Index i = 0; i < filas; ++i) {
        for (Eigen::Index j = 0; j < columnas; ++j) {
            const std::size_t k = static_cast<std::size_t>(i * columnas + j);
            largos[k] = formatearNumero(&textos[k * largoMaximoNumero], m(i, j));
            ancho = std::max(ancho, largos[k]);
        }
    }
    for (Eigen::Index i = 0; i < filas; ++i) {
        for (Eigen::Index j = 0; j < columnas; ++j) {
            const std::size_t k = static_cast<std::size_t>(i * columnas + j);
            char* p = reservar(ancho + 1);
            if (j > 0) *p++ = ' ';
            std::memset(p, ' ', ancho - largos[k]);
            std::memcpy(p + ancho - largos[k], &textos[k * largoMaximoNumero], largos[k]);
            usados += (j > 0) + ancho;
        }
        if (i + 1 < filas) poner("\n", 1);
    }
}

template void salidaReporte::matrizDensa(const Eigen::MatrixXd&);
template void salidaReporte::matrizDensa(const Eigen::MatrixXi&);

// Row by row from a row-major copy: each row starts as the row of zeros
// (every cell a right-aligned "0") and the stored entries are written into
// their cells, at j·(ancho + 1). Counting only, the size follows from the
// width alone.
salidaReporte& salidaReporte::operator<<(const Eigen::SparseMatrix<double>& m) {
    const Eigen::Index filas = m.rows(), columnas = m.cols();
    if (filas == 0 || columnas == 0) return *this;
    char texto[largoMaximoNumero];
    int ancho = m.nonZeros() < filas * columnas ? 1 : 0;  // "0" of the entries not stored
    for (Eigen::Index j = 0; j < m.outerSize(); ++j)
        for (Eigen::SparseMatrix<double>::InnerIterator it(m, j); it; ++it)
            ancho = std::max(ancho, formatearNumero(texto, it.value()));
    const std::size_t celda = static_cast<std::size_t>(ancho) + 1;
    const std::size_t largoFila = static_cast<std::size_t>(columnas) * celda - 1;
    if (!escribe) {
        total += static_cast<std::uint64_t>(filas) * (largoFila + 1) - 1;
        return *this;
    }

    const Eigen::SparseMatrix<double, Eigen::RowMajor> porFilas = m;
    std::string filaDeCeros(largoFila, ' ');
    for (Eigen::Index j = 0; j < columnas; ++j) filaDeCeros[j * celda + ancho - 1] = '0';
    for (Eigen::Index i = 0; i < filas; ++i) {
        char* p = reservar(largoFila + 1);
        std::memcpy(p, filaDeCeros.data(), largoFila);
        for (Eigen::SparseMatrix<double, Eigen::RowMajor>::InnerIterator it(porFilas, i); it;
             ++it) {
            char* c = p + static_cast<std::size_t>(it.col()) * celda;
            const int n = formatearNumero(texto, it.value());
            std::memset(c, ' ', ancho - n);
            std::memcpy(c + ancho - n, texto, n);
        }
        usados += largoFila;
        if (i + 1 < filas) buffer[usados++] = '\n';
    }
    return *this;
}
