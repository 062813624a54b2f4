#include "objNudo2d.h"
