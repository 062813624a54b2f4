#include "funcionSolucionU.h"
