// The window's message line when the input file gives no model: "No se pudo
// leer ingresoDatos.txt: el archivo no existe. Ingrese Comando:". Said at
// start-up, after F5 and after a watched reload, and when a watched file
// cannot be read; the console keeps the reader's own warnings.
#pragma once

#include <string>

#include "modelo.h"

// What the message line says after reading `archivo` into m; "" when m has
// nodes (a model to show). The reason: the file does not exist, is a folder,
// may not be read, cannot be opened, is empty, or defines no node.
std::string mensajeDeLectura(const std::string& archivo, const modelo& m);

// After a read of the file in nombreArchivo: its message on the line when
// there is one; after a good read, the message of an earlier failed read
// gives way to "Ingrese Comando:" (any other text stays).
void anotarLectura(const modelo& m);
