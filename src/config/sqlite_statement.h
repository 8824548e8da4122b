#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>

#include "config/config_record.h"

// A prepared SQLite statement, finalized when it goes; its values bound and its columns read
// as the history keeps them.
class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~SqliteStatement() { sqlite3_finalize(s_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return s_ != nullptr; }
    SqliteStatement& Bind(int i, const std::string& text) {
        sqlite3_bind_text(s_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    SqliteStatement& Bind(int i, std::int64_t n) {
        sqlite3_bind_int64(s_, i, n);
        return *this;
    }
    SqliteStatement& Bind(int i, const std::optional<ConfigRecord>& set) {
        if (set) {
            sqlite3_bind_blob(s_, i, set->Bytes().data(), ConfigRecord::kSize, SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(s_, i);
        }
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return s_ != nullptr ? sqlite3_step(s_) : SQLITE_ERROR; }
    std::int64_t Int(int column) const { return sqlite3_column_int64(s_, column); }
    std::string Text(int column) const {
        const auto* p = sqlite3_column_text(s_, column);
        return p != nullptr ? reinterpret_cast<const char*>(p) : "";
    }
    std::optional<ConfigRecord> Set(int column) const {
        if (sqlite3_column_type(s_, column) != SQLITE_BLOB ||
            sqlite3_column_bytes(s_, column) != static_cast<int>(ConfigRecord::kSize)) {
            return std::nullopt;
        }
        ConfigRecord r;
        r.ReplaceAll(static_cast<const std::uint8_t*>(sqlite3_column_blob(s_, column)));
        return r;
    }

  private:
    sqlite3_stmt* s_ = nullptr;
};
