#pragma once
// Transactions of the drawing database. Transactions nest; the manager owns them. Ending or
// aborting with none active gives eNotApplicable. The host keeps no drawing contents here: a
// transaction only records that it was started, ended or aborted.
#include <memory>
#include <vector>

#include "acad_error_status.h"

class AcTransaction {
  public:
    explicit AcTransaction(int depth) : depth_(depth) {}
    int depth() const { return depth_; }

  private:
    int depth_;
};

class AcTransactionManager {
  public:
    AcTransaction* startTransaction();
    Acad::ErrorStatus endTransaction();
    Acad::ErrorStatus abortTransaction();
    int numActiveTransactions() const { return static_cast<int>(active_.size()); }
    AcTransaction* topTransaction() const;
    int endedCount() const { return ended_; }
    int abortedCount() const { return aborted_; }

  private:
    std::vector<std::unique_ptr<AcTransaction>> active_;
    int ended_ = 0;
    int aborted_ = 0;
};

// The host's one transaction manager.
AcTransactionManager* acTransactionManager();
void acadResetTransactions();
