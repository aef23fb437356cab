#pragma once
// A transaction held by an editing dialog: commit() ends it, destruction rolls it back.
// The database layer provides it (db::editTransaction), the dialogs hold it; neither needs
// the other's library.
#include <functional>
#include <memory>

struct EditTransaction {
  virtual ~EditTransaction() = default;
  virtual bool commit() = 0;
};
using TransactionFactory = std::function<std::unique_ptr<EditTransaction>()>;
