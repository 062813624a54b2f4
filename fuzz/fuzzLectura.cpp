// libFuzzer target: any bytes as the input file, through reading, solving,
// the report, every result query and a reload.
#include <cstddef>
#include <cstdint>

#include "entornoFuzz.h"
#include "recorridoCompleto.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepararEntornoFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, std::size_t tamano) {
    recorrerArchivo(escribirEntrada(datos, tamano));
    return 0;
}
