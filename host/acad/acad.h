#pragma once
// The CAD host stand-in: everything the module calls of the CAD host.
#include "ac_array.h"
#include "ac_db_object_id.h"
#include "ac_transaction.h"
#include "acad_error_status.h"
#include "acad_reset.h"
#include "acrx.h"
#include "command_line.h"
#include "posted_commands.h"
#include "rx_registry.h"
