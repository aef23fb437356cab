#pragma once
// The one layer over the SQLite C interface. Statement texts keep their '?' placeholders;
// every value is bound. A failed statement shows the common error box with the statement
// (values filled in) and the database's message, unless the caller asks for silence.
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <variant>

class QString;
#include <vector>

#include "platform/transaction.h"

namespace db {

// A bound value: an integer, a text (cp1252 bytes) or NULL.
class Value {
 public:
  Value() : v_(std::monostate{}) {}
  Value(int x) : v_(static_cast<int64_t>(x)) {}
  Value(long x) : v_(static_cast<int64_t>(x)) {}
  Value(long long x) : v_(static_cast<int64_t>(x)) {}
  Value(unsigned x) : v_(static_cast<int64_t>(x)) {}
  Value(const std::string& s) : v_(s) {}
  Value(const char* s) : v_(std::string(s)) {}
  const std::variant<std::monostate, int64_t, std::string>& get() const { return v_; }

 private:
  std::variant<std::monostate, int64_t, std::string> v_;
};

using Params = std::vector<Value>;

// Query result as texts, the way the program reads every table: NULL reads as "".
struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  bool ok = true;  // false when the statement failed

  size_t size() const { return rows.size(); }
  bool empty() const { return rows.empty(); }
  const std::string& text(size_t row, size_t col) const { return rows[row][col]; }
  long num(size_t row, size_t col) const;  // leading digits, "" reads 0
  int integer(size_t row, size_t col) const { return static_cast<int>(num(row, col)); }
};

enum class Report { Box, Silent };

// Runs one or more statements; parameters are bound to the first one.
bool exec(sqlite3* db, const std::string& sql, const Params& params = {},
          Report report = Report::Box);
Table query(sqlite3* db, const std::string& sql, const Params& params = {},
            Report report = Report::Box);

// The statement with its values filled in, as shown in the error box.
std::string expand(sqlite3* db, const std::string& sql, const Params& params);

// How long a statement waits for a lock held by another connection or program.
inline constexpr int kBusyTimeoutMs = 5000;

sqlite3* open(const std::filesystem::path& path);  // nullptr on failure

// Whether the connection's last failure was a lock that another connection or program holds.
bool heldElsewhere(sqlite3* db);
inline constexpr const char* kHeldElsewhere = "die Datenbank wird von einem anderen Programm benutzt";
// "Die Datenbank <path> wird von einem anderen Programm benutzt. Es wurde nichts geändert.",
// the path as the file system spells it: the notice of work refused for a held database.
QString heldElsewhereNotice(const std::filesystem::path& database);
// The reason of the connection's last failure in the program's words: a held database, a
// full disk or the system's reason where there is one, else the database's message.
std::string failureReason(sqlite3* db);

// While one lives, failed statements of this thread show no error box; the reason of the
// first is kept, and its connection. For work that reports its failure once, as a whole.
class QuietErrors {
 public:
  QuietErrors();
  ~QuietErrors();
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;
  const std::string& reason() const { return reason_; }
  bool failed() const { return failed_; }
  // The connection the first failure came from; nullptr when there was none. Work that spans
  // databases names this one, not the one it set out to change.
  sqlite3* failedOn() const { return failedOn_; }
  void note(const std::string& reason, sqlite3* conn = nullptr);

 private:
  QuietErrors* outer_;
  std::string reason_;
  sqlite3* failedOn_ = nullptr;
  bool failed_ = false;
};
void close(sqlite3*& db);

bool tableExists(sqlite3* db, const std::string& table);
std::vector<std::string> columnNames(sqlite3* db, const std::string& table);

// Nesting transaction guard: the outermost guard runs BEGIN/END TRANSACTION, an inner one
// a savepoint. Whatever was not committed is rolled back when the guard ends. An exclusive
// outermost guard takes the file's write lock at once, so that no other program can keep its
// commit from going through.
class Transaction {
 public:
  enum Lock { Deferred, Exclusive };
  explicit Transaction(sqlite3* db, Lock lock = Deferred);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  bool commit();
  void rollback();
  bool active() const { return active_; }
  bool outermost() const { return savepoint_.empty(); }

 private:
  sqlite3* db_;
  std::string savepoint_;
  bool active_ = false;
};

// The transaction of an editing dialog on the connection held in db (see
// ZDialog::setEditTransaction). The connection is read when the dialog is shown, since
// opening a data file replaces the connection while the dialogs live on.
TransactionFactory editTransaction(sqlite3*& db);

}  // namespace db
