// The help text that F1 shows at the top left of the window: the keys, then
// every command of the command line (the first lines as they always were,
// the later commands and keys after them).
#pragma once

const char* textoAyudaVisor();
