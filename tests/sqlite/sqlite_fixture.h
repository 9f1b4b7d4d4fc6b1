#pragma once
// A temporary installation with an empty database open as DBConnection.
#include "app/context.h"
#include "sqlite/sqlite_api.h"
#include "temp_install.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbPath = install.path(QStringLiteral("db/test.sqlite3"));
        // Created as the bundled database is, in UTF-8; then opened the program's way.
        sqlite3* creator = nullptr;
        ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &creator), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(creator, "create table t(a integer, b text, c integer);", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(creator);
        ASSERT_EQ(SQLite3Open(dbPath), 0);
    }

    // The texts of the message boxes shown so far.
    QStringList shownTexts() const {
        QStringList texts;
        for (const ShownBox& box : install.desktop.dialogs.shown) texts << box.text;
        return texts;
    }

    TempInstall install;
    QString dbPath;
};
