#include "core/db.h"

#include <atomic>
#include <cerrno>
#include <memory>

#include "core/globals.h"
#include "core/savefile.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace db {

long Table::num(size_t row, size_t col) const { return toLong(rows[row][col]); }

namespace {

bool bindAll(sqlite3_stmt* stmt, const Params& params) {
  int index = 1;
  for (const Value& p : params) {
    int rc = SQLITE_OK;
    const auto& v = p.get();
    if (std::holds_alternative<int64_t>(v))
      rc = sqlite3_bind_int64(stmt, index, std::get<int64_t>(v));
    else if (std::holds_alternative<std::string>(v)) {
      const std::string& s = std::get<std::string>(v);
      rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    } else
      rc = sqlite3_bind_null(stmt, index);
    if (rc != SQLITE_OK) return false;
    ++index;
  }
  return true;
}

std::string quoteForDisplay(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

thread_local QuietErrors* gQuiet = nullptr;

void report(sqlite3* db, const std::string& sql, const Params& params, Report how,
            const std::string& message) {
  if (how != Report::Box) return;
  if (gQuiet)
    gQuiet->note(db ? failureReason(db) : message, db);
  else
    msg::showSqlError(expand(db, sql, params), message);
}

// Runs every statement of sql; rows of the last statement that yields columns go to out.
bool run(sqlite3* db, const std::string& sql, const Params& params, Report how, Table* out) {
  if (!db) {
    report(db, sql, params, how, "keine Datenbank geöffnet");
    return false;
  }
  const char* tail = sql.c_str();
  const char* end = tail + sql.size();
  bool first = true;
  while (tail < end) {
    sqlite3_stmt* stmt = nullptr;
    const char* next = nullptr;
    int rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &stmt, &next);
    if (rc != SQLITE_OK) {
      std::string m = sqlite3_errmsg(db);
      report(db, sql, params, how, m);
      return false;
    }
    tail = next;
    if (!stmt) continue;  // blank or comment
    if (first && !params.empty() && !bindAll(stmt, params)) {
      std::string m = sqlite3_errmsg(db);
      sqlite3_finalize(stmt);
      report(db, sql, params, how, m);
      return false;
    }
    first = false;
    int cols = sqlite3_column_count(stmt);
    if (out && cols > 0) {
      out->columns.clear();
      out->rows.clear();
      for (int c = 0; c < cols; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        out->columns.push_back(name ? name : "");
      }
    }
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      if (!out || cols == 0) continue;
      std::vector<std::string> row;
      row.reserve(static_cast<size_t>(cols));
      for (int c = 0; c < cols; ++c) {
        const unsigned char* t = sqlite3_column_text(stmt, c);
        int n = sqlite3_column_bytes(stmt, c);
        row.emplace_back(t ? std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(n))
                           : std::string());
      }
      out->rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
      std::string m = sqlite3_errmsg(db);
      sqlite3_finalize(stmt);
      report(db, sql, params, how, m);
      return false;
    }
    sqlite3_finalize(stmt);
  }
  return true;
}

}  // namespace

bool exec(sqlite3* db, const std::string& sql, const Params& params, Report how) {
  return run(db, sql, params, how, nullptr);
}

Table query(sqlite3* db, const std::string& sql, const Params& params, Report how) {
  Table t;
  t.ok = run(db, sql, params, how, &t);
  if (!t.ok) t.rows.clear();
  return t;
}

std::string expand(sqlite3* db, const std::string& sql, const Params& params) {
  if (params.empty() || !db) return sql;
  sqlite3_stmt* stmt = nullptr;
  const char* rest = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, &rest) ==
          SQLITE_OK &&
      stmt && bindAll(stmt, params)) {
    char* e = sqlite3_expanded_sql(stmt);
    // The values belong to the first statement; any statements after it follow as written.
    std::string out = e ? e + std::string(rest ? rest : "") : sql;
    sqlite3_free(e);
    sqlite3_finalize(stmt);
    return out;
  }
  if (stmt) sqlite3_finalize(stmt);
  // The statement does not even prepare: fill the placeholders by hand.
  std::string out;
  size_t p = 0;
  for (char c : sql) {
    if (c == '?' && p < params.size()) {
      const auto& v = params[p++].get();
      if (std::holds_alternative<int64_t>(v))
        out += std::to_string(std::get<int64_t>(v));
      else if (std::holds_alternative<std::string>(v))
        out += quoteForDisplay(std::get<std::string>(v));
      else
        out += "NULL";
    } else {
      out += c;
    }
  }
  return out;
}


sqlite3* open(const std::filesystem::path& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    if (db) sqlite3_close(db);
    return nullptr;
  }
  // A backup tool or a viewer may hold the file for a moment: wait for it, not fail.
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return db;
}

bool heldElsewhere(sqlite3* db) {
  const int code = sqlite3_errcode(db) & 0xFF;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

QString heldElsewhereNotice(const std::filesystem::path& database) {
  return qs("Die Datenbank\n") + qtPath(database) +
         qs("\nwird von einem anderen Programm benutzt. Es wurde nichts ge\xE4ndert.");
}

std::string failureReason(sqlite3* db) {
  if (heldElsewhere(db)) return kHeldElsewhere;
  const int code = sqlite3_errcode(db) & 0xFF;
  if (code == SQLITE_FULL) return systemReason(ENOSPC);
  // The system's error number is kept only for these; otherwise it may be an old one.
  if ((code == SQLITE_IOERR || code == SQLITE_CANTOPEN) && sqlite3_system_errno(db) != 0)
    return systemReason(sqlite3_system_errno(db));
  return sqlite3_errmsg(db);
}

QuietErrors::QuietErrors() : outer_(gQuiet) { gQuiet = this; }

QuietErrors::~QuietErrors() { gQuiet = outer_; }

void QuietErrors::note(const std::string& reason, sqlite3* conn) {
  if (failed_) return;
  failed_ = true;
  reason_ = reason;
  failedOn_ = conn;
}

void close(sqlite3*& db) {
  if (db) sqlite3_close_v2(db);
  db = nullptr;
}

bool tableExists(sqlite3* db, const std::string& table) {
  // Table names are not case-sensitive in SQL; an older file may spell one otherwise.
  Table t = query(db,
                  "SELECT name FROM sqlite_master WHERE type='table' AND name=? COLLATE NOCASE;",
                  {table}, Report::Silent);
  return !t.empty();
}

std::vector<std::string> columnNames(sqlite3* db, const std::string& table) {
  std::vector<std::string> names;
  Table t = query(db, "SELECT name FROM pragma_table_info(?);", {table}, Report::Silent);
  for (auto& row : t.rows) names.push_back(row[0]);
  return names;
}

Transaction::Transaction(sqlite3* db, Lock lock) : db_(db) {
  static std::atomic<int> counter{0};
  if (!db_) return;
  if (sqlite3_get_autocommit(db_)) {
    active_ = exec(db_, lock == Exclusive ? "BEGIN EXCLUSIVE TRANSACTION;" : "BEGIN TRANSACTION;");
  } else {
    savepoint_ = "zk_sp" + std::to_string(++counter);
    active_ = exec(db_, "SAVEPOINT " + savepoint_ + ";");
  }
}

Transaction::~Transaction() {
  if (active_) rollback();
}

bool Transaction::commit() {
  if (!active_) return false;
  active_ = false;
  // SQLite ends a transaction on its own after some failures (a full disk, RAISE(ROLLBACK)):
  // then there is nothing left to commit and the work is lost.
  if (sqlite3_get_autocommit(db_)) return false;
  if (savepoint_.empty()) {
    if (exec(db_, "END TRANSACTION;")) return true;
    // A commit that fails leaves the transaction open: take it back completely.
    if (!sqlite3_get_autocommit(db_)) exec(db_, "ROLLBACK TRANSACTION;", {}, Report::Silent);
    return false;
  }
  return exec(db_, "RELEASE " + savepoint_ + ";");
}

void Transaction::rollback() {
  if (!active_) return;
  active_ = false;
  if (savepoint_.empty()) {
    if (!sqlite3_get_autocommit(db_)) exec(db_, "ROLLBACK TRANSACTION;", {}, Report::Silent);
  } else {
    exec(db_, "ROLLBACK TO " + savepoint_ + "; RELEASE " + savepoint_ + ";", {}, Report::Silent);
  }
}

TransactionFactory editTransaction(sqlite3*& db) {
  struct Held : EditTransaction {
    explicit Held(sqlite3* d) : t(d) {}
    bool commit() override { return t.commit(); }
    Transaction t;
  };
  sqlite3** holder = &db;
  return [holder]() -> std::unique_ptr<EditTransaction> { return std::make_unique<Held>(*holder); };
}

}  // namespace db
