#include "funcionLeerArchivo.h"
