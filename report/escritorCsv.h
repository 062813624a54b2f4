// Rows of a CSV table: comma separator, dot decimal point, LF line ends,
// numbers in their shortest round-trip form, text fields quoted only when
// they need it (a comma, a quote or a line end inside).
#pragma once

#include <ostream>
#include <string>

// Shortest decimal text that reads back as the same double ("0.1", "1e-05",
// "-224.64"); -0 is written as 0, non-finite values as inf, -inf or nan.
std::string numeroCsv(double v);

// A text field: as it is, or between quotes with its quotes doubled.
std::string campoCsv(const std::string& texto);

class escritorCsv {
  public:
    // Writes the header row, the column names separated by commas.
    escritorCsv(std::ostream& destino, const char* encabezado);
    ~escritorCsv();
    escritorCsv(const escritorCsv&) = delete;
    escritorCsv& operator=(const escritorCsv&) = delete;

    escritorCsv& numero(double v);
    escritorCsv& entero(long v);
    escritorCsv& texto(const std::string& t);
    void finDeFila();
    // Hands what is held to the stream.
    void vaciar();

  private:
    void separar();
    std::ostream& s;
    std::string pendiente;
    bool filaEmpezada = false;
};
