#include "acad_reset.h"

#include "ac_transaction.h"
#include "command_line.h"
#include "posted_commands.h"
#include "rx_registry.h"

void acadResetForTests() {
    acadClearCommandLine();
    acadClearPostedCommands();
    acadResetSystemRegistry();
    acadResetTransactions();
}
