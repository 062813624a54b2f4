#include "claseLeerArchivo.h"
