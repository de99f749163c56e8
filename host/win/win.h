// The whole headless window system: include this one header.
#pragma once

#include "failure_injection.h"
#include "global_memory.h"
#include "win_types.h"
