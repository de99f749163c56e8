#include "ac_transaction.h"

namespace {

AcTransactionManager& manager() {
    static AcTransactionManager m;
    return m;
}

}  // namespace

AcTransaction* AcTransactionManager::startTransaction() {
    active_.push_back(std::make_unique<AcTransaction>(static_cast<int>(active_.size()) + 1));
    return active_.back().get();
}

Acad::ErrorStatus AcTransactionManager::endTransaction() {
    if (active_.empty()) return Acad::eNotApplicable;
    active_.pop_back();
    ++ended_;
    return Acad::eOk;
}

Acad::ErrorStatus AcTransactionManager::abortTransaction() {
    if (active_.empty()) return Acad::eNotApplicable;
    active_.pop_back();
    ++aborted_;
    return Acad::eOk;
}

AcTransaction* AcTransactionManager::topTransaction() const {
    return active_.empty() ? nullptr : active_.back().get();
}

AcTransactionManager* acTransactionManager() {
    return &manager();
}

void acadResetTransactions() {
    manager() = AcTransactionManager{};
}
