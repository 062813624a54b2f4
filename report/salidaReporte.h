// The report's text: scalars in the number format of formatoNumeros.h and
// matrices in the linear-algebra library's default text layout (rows
// separated by "\n" with none after the last, entries separated by one
// blank and right-aligned to the longest entry of the whole matrix, nothing
// for an empty matrix). It either only counts the bytes, so that the size
// of the report is known before anything is written, or fills one large
// buffer that is emptied into a file descriptor.
#pragma once

#include <Eigen/Dense>
#include <Eigen/SparseCore>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "formatoNumeros.h"

class salidaReporte {
  public:
    // Counts only.
    salidaReporte();
    // Writes to the open descriptor fd (not closed here) a text of about
    // tamano bytes (the buffer is no larger than it needs).
    salidaReporte(int fd, std::uint64_t tamano);
    ~salidaReporte();
    salidaReporte(const salidaReporte&) = delete;
    salidaReporte& operator=(const salidaReporte&) = delete;

    salidaReporte& operator<<(const char* texto) {
        poner(texto, std::strlen(texto));
        return *this;
    }
    salidaReporte& operator<<(int v) { return numero(v); }
    salidaReporte& operator<<(double v) { return numero(v); }
    salidaReporte& operator<<(const Eigen::MatrixXd& m) {
        matrizDensa(m);
        return *this;
    }
    salidaReporte& operator<<(const Eigen::MatrixXi& m) {
        matrizDensa(m);
        return *this;
    }
    // Every entry, the ones not stored written as 0.
    salidaReporte& operator<<(const Eigen::SparseMatrix<double>& m);

    // Writes what the buffer holds. False once a write has failed (a full
    // disk, a size limit); what follows is then dropped.
    bool vaciar();
    // Bytes of text so far, written or counted.
    std::uint64_t bytes() const { return total + usados; }

  private:
    template <class T>
    salidaReporte& numero(T v) {
        char* p = reservar(largoMaximoNumero);
        usados += formatearNumero(p, v);
        return *this;
    }
    template <class M>
    void matrizDensa(const M& m);
    void poner(const char* p, std::size_t n) {
        std::memcpy(reservar(n), p, n);
        usados += n;
    }
    // Room for n more chars at the end of the buffer (the returned pointer;
    // the caller advances usados by what it wrote). Counting only, the
    // buffer is reused from its start.
    char* reservar(std::size_t n);

    int fd = -1;
    bool escribe = false;
    bool error = false;
    // Not initialised: only what is written is ever touched.
    std::unique_ptr<char[]> buffer;
    std::size_t capacidad = 0;
    std::size_t usados = 0;   // chars of buffer in use
    std::uint64_t total = 0;  // chars already emptied out of the buffer
};
