#pragma once
// The Core library stand-in: include this one header.
#include "core_random.h"
#include "ktx_array.h"
#include "ktx_string.h"
#include "ktx_string_array.h"
#include "string_helpers.h"
