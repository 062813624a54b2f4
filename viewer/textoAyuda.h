// The help text that F1 shows at the top left of the window: the keys, then
// every command of the command line (the first lines as they always were,
// the later commands and keys after them).
#pragma once

#include <string>

const char* textoAyudaVisor();

// The same in two columns, as the window lays it out (it is too long for one
// column of a window 800 pixels high): the keys and the last lines first,
// then the list of commands from its heading on.
struct columnasAyuda {
    std::string teclas;
    std::string comandos;
};
columnasAyuda columnasDeAyuda();
