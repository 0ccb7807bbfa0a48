// The routing fixture lives with the open and close one.
#pragma once

#include "../open_close/OpenCloseSupport.h"
