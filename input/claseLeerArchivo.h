// Answers questions about one text file of whitespace-separated tokens in
// which data stand after tags ("nudos:", "combo:", ...). Knows no tag names:
// every tag and column count comes from the caller.
//
// The file is read once, for reading only, when its name is given; the
// queries then walk that token list from the first token to the last, so
// they stay independent of each other and of their order, and a model of a
// few thousand entries costs one read of the file instead of one per query.
// A UTF-8 byte-order mark before the first token is skipped; line ends may be
// LF or CRLF (a carriage return separates tokens like any blank).
#pragma once

#include <Eigen/Dense>
#include <cstddef>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class claseLeerArchivo {
  public:
    claseLeerArchivo();
    // Stores the path and reads its tokens. A file that cannot be opened or
    // read gives one warning naming it and then behaves as a file without
    // tokens.
    void setNombreArchivo(std::string nombre);

    int getNoEtiquetas(std::string etiqueta);
    int getEntero(std::string etiqueta);
    double getReal(std::string etiqueta);
    bool esNumero(std::string token);
    Eigen::MatrixXd getMatriz(std::string etiqueta, int columnas);
    std::string getString(std::string etiqueta, int ocurrencia);
    std::vector<double> getMatrizEtiquetaRepetida(std::string etiqueta, int ocurrencia, int saltar);
    std::vector<double> getFactoresEtiqueta(std::string etiqueta, int ocurrencia, int saltar);
    std::vector<std::string> getNombresDeFactores(std::string etiqueta, int ocurrencia, int saltar);

    // Place in the file (its token number) of the n-th occurrence of the tag,
    // to put the entries of two tags in the order of the file; -1 when there
    // is none.
    long getPosicion(const std::string& etiqueta, int ocurrencia) const;

    // True when the file was opened and read to its end.
    bool archivoLeido() const { return leido; }

  private:
    // Positions (in tokens) of every token equal to the tag, ascending.
    const std::vector<std::size_t>& ocurrencias(const std::string& etiqueta) const;
    // Value of a numeric token of a table or list: the standard conversion of
    // its leading part; a token that holds no number, or one too large for a
    // double, gives 0 and a warning naming it.
    double convertirDato(std::size_t posicion, const std::string& etiqueta);
    // Factor/name pairs after the n-th occurrence (both lists walk the same
    // pairs; an unfinished last pair is dropped with a warning).
    void recorrerPares(const std::string& etiqueta, int ocurrencia, int saltar,
                       std::vector<double>* factores, std::vector<std::string>* nombres);
    // Value after the last valid occurrence of a setting tag, or `ausente`.
    template <typename T, typename Conversion>
    T valorDeAjuste(const std::string& etiqueta, T ausente, Conversion convertir,
                    const std::string& clase, const std::string& invalido);
    // Prints "Advertencia: <texto>" once per reader for a given token
    // position and kind of message.
    void advertirUnaVez(std::size_t posicion, int clase, const std::string& texto);
    // Where a run of numbers ends at a token written with a decimal comma,
    // names it and its spelling with a point (once per token); the run
    // still ends there.
    void avisarComaDecimal(std::size_t posicion, const std::string& etiqueta);

    std::string nombreArchivo;
    std::vector<std::string> tokens;
    std::unordered_map<std::string, std::vector<std::size_t>> indice;
    std::set<std::pair<std::size_t, int>> avisados;
    bool leido = false;
};
