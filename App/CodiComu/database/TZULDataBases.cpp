#include "App/CodiComu/database/TZULDataBases.h"
