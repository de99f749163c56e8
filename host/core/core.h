#pragma once
// The Core library stand-in: include this one header.
#include "core_clock.h"
#include "core_random.h"
#include "core_reset.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "ktx_timer.h"
#include "resource_module.h"
#include "string_helpers.h"
#include "vn_temp_resource_override.h"
