#include "engine/foundation/fixed_type.h"

unsigned char gFixedType = 1;
