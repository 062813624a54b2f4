// The file side of the report: where it may be written, how much room the
// folder has, and a temporary file beside it that replaces "resultados.txt"
// only once complete (a full disk or a killed process never leaves a
// truncated report in place of the previous one, and an interrupted one
// leaves no temporary file either).
#pragma once

#include <cstdint>
#include <string>

// False when the report cannot replace the file at ruta: a folder stands
// there, or a file the user may not write (as opening it to write would
// have refused).
bool destinoEscribible(const std::string& ruta);

// Bytes free for the user in the folder of ruta; -1 when unknown.
std::int64_t espacioLibreJunto(const std::string& ruta);

// A new temporary file in the folder of ruta, with the permissions the file
// at ruta has (or would get if it were created). Its descriptor, or -1 when
// it cannot be created; its name in temporal. Until cerrarYReemplazar or
// descartarTemporal, SIGINT, SIGTERM and SIGHUP remove it before they end
// the process, so an interrupted run leaves the folder as it was.
int crearTemporalJunto(const std::string& ruta, std::string& temporal);

// Closes fd and renames temporal over ruta; on any failure removes temporal
// and returns false.
bool cerrarYReemplazar(int fd, const std::string& temporal, const std::string& ruta);

// Closes fd and removes temporal.
void descartarTemporal(int fd, const std::string& temporal);
