// Process set-up shared by the fuzz targets: a private scratch directory as
// the current directory (the report lands there, never in the repository),
// a silent console, and the input bytes as a file. Since the targets change
// directory at start, every path given to them (corpus, -dict=,
// -artifact_prefix=) must be absolute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the scratch directory, enters it, silences std::cout and removes
// the directory at exit. Called once, from LLVMFuzzerInitialize.
void prepararEntornoFuzz();

// Writes the bytes to "entrada.txt" in the scratch directory; its path.
std::string escribirEntrada(const uint8_t* datos, std::size_t tamano);
