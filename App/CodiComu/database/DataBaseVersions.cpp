#include "App/CodiComu/database/DataBaseVersions.h"
