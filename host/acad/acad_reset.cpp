#include "acad_reset.h"

#include "ac_transaction.h"
#include "command_line.h"
#include "posted_commands.h"
#include "rx_registry.h"
#include "win_driver.h"
#include "win_reset.h"

void acadResetForTests() {
    winResetForTests();
    acadClearCommandLine();
    acadClearPostedCommands();
    acadResetSystemRegistry();
    acadResetTransactions();
}
