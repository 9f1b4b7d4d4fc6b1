#include "bench_year.h"

#include "app/context.h"
#include "sqlite/sqlite_api.h"
#include "store/opening_balance_store.h"

#include <sqlite3.h>

#include <map>
#include <stdexcept>

namespace {

constexpr std::uint32_t kSeed = 20261205;

}  // namespace

std::unique_ptr<BenchYear> BenchYear::current;

void BenchYear::release() { current.reset(); }

BenchYear& BenchYear::ofSize(int transactions) {
    if (!current || current->generated_.transactions != transactions) {
        current.reset();
        current.reset(new BenchYear(transactions));
    }
    return *current;
}

BenchYear::BenchYear(int transactions) : install_(std::make_unique<TempInstall>()) {
    install_->openDatabase();
    // The books opened as the program opens them.
    sqlite3_close(ctx().db);
    if (SQLite3Open(dbPath()) != kSqliteOk) throw std::runtime_error("the books cannot be opened");
    generated_ = GenerateYear(ctx().db, 2026, transactions, kSeed);
    DBInsBS_Begining(yearText());
    // A small shop's opening sheet: cash, a bank account and the capital.
    for (const auto& [account, money] : std::map<QString, QString>{{QStringLiteral("100"), QStringLiteral("300000")},
                                                                   {QStringLiteral("110"), QStringLiteral("2700000")},
                                                                   {QStringLiteral("620"), QStringLiteral("3000000")}})
        DBUpdBS_Begining(yearText(), account, money);
}

QString BenchYear::dbPath() const { return install_->path(QStringLiteral("db/velmo.sqlite3")); }
