#pragma once
// The error of the progress stack itself (a level changed or ended that was never
// begun): "<progress class> ERROR", a line break and the text.

#include "platform/core/Exceptions.h"

LUMA_DECLARE_EXCEPTION(ESplash, Exception)
