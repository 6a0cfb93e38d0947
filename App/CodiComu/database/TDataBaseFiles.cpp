#include "App/CodiComu/database/TDataBaseFiles.h"
