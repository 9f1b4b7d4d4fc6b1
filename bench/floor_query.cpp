#include "floor_query.h"

#include <stdexcept>
#include <string>

FloorQuery::FloorQuery(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("the floor's query: ") + sqlite3_errmsg(db));
}

FloorQuery::~FloorQuery() { sqlite3_finalize(statement_); }

bool FloorQuery::step() {
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) return true;
    sqlite3_reset(statement_);
    if (code != SQLITE_DONE) throw std::runtime_error("the floor's query failed");
    return false;
}
