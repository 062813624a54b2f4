#include "objBarra2d.h"
