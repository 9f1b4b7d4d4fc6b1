// The books as the plain-text journal the peers read: valid transactions
// only, in journal order, each a date and a payee line and two postings whose
// amounts balance; texts that would break the syntax kept on one line.
#include "peer_journal.h"
#include "app/context.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

TEST(PeerJournal, BooksBecomeDatedEntriesOfTwoBalancedPostings) {
    TempInstall install;
    install.openDatabase();
    // 05: 330 事業主貸 / 150 売掛金; 41: 900 減価償却費 / 230 車両運搬具.
    install.exec(
        "insert into t_trade values (2026, 3, 9, 1, '41', '01', '(株)車検  代', 120000, 50, 1, '');"
        "insert into t_trade values (2026, 3, 9, 2, '05', '01', '取消', 999, 100, 0, '');"
        "insert into t_trade values (2026, 1, 31, 1, '05', '01', '源泉'||char(9)||'徴収;', 1021, 100, 1, '');"
        "insert into t_trade values (2025, 1, 31, 1, '05', '01', '前年', 5, 100, 1, '');");
    const QString path = install.path("txt/books.journal");
    WritePeerJournal(ctx().db, 2026, path);
    EXPECT_EQ(QString::fromUtf8(install.readBytes("txt/books.journal")),
              "2026/01/31 源泉 徴収;\n"
              "    330 事業主貸  1021\n"
              "    150 売掛金  -1021\n"
              "\n"
              "2026/03/09 _(株)車検 代\n"
              "    900 減価償却費  60000\n"
              "    230 車両運搬具  -60000\n"
              "\n");
}

}  // namespace
