#pragma once
// A floor's query: compiled once before the timing, stepped through the
// plain C API and reset for the next run.
#include <sqlite3.h>

#include <cstdint>
#include <string_view>

class FloorQuery {
public:
    FloorQuery(sqlite3* db, const char* sql);
    ~FloorQuery();
    FloorQuery(const FloorQuery&) = delete;
    FloorQuery& operator=(const FloorQuery&) = delete;

    // The next row; false at the end, the query ready to run again.
    bool step();
    std::string_view text(int column) const {
        return {reinterpret_cast<const char*>(sqlite3_column_text(statement_, column)),
                static_cast<size_t>(sqlite3_column_bytes(statement_, column))};
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(statement_, column); }

private:
    sqlite3_stmt* statement_ = nullptr;
};
