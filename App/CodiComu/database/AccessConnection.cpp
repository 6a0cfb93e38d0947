#include "App/CodiComu/database/AccessConnection.h"
