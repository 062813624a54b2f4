#include "funcionImprimirResultados.h"
