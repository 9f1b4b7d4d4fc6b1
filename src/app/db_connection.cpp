#include "app/db_connection.h"

#include "app/context.h"

#include <sqlite3.h>

void CloseDBConnection() {
    sqlite3_close(ctx().db);
    ctx().db = nullptr;
}
