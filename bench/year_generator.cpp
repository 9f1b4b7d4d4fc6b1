#include "year_generator.h"

#include <sqlite3.h>

#include <QDate>
#include <QString>

#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Detail {
    std::string tradeCd, detailCd, detailName;
    int rate = 100;
    bool shared = false;
};

const char16_t* const kWords[] = {u"事務用品",   u"コピー用紙", u"切手",     u"駐車場代", u"タクシー",
                                  u"電車賃",     u"ガソリン",   u"電気代",   u"携帯電話", u"インターネット",
                                  u"消耗品",     u"会議費",     u"得意先",   u"仕入先",   u"月分",
                                  u"振込手数料", u"修理代",     u"広告掲載", u"新聞代",   u"お茶代"};

void Check(sqlite3* db, int code, const char* what) {
    if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

struct Statement {
    sqlite3* db;
    sqlite3_stmt* handle = nullptr;
    Statement(sqlite3* d, const char* sql) : db(d) {
        Check(db, sqlite3_prepare_v2(db, sql, -1, &handle, nullptr), sql);
    }
    ~Statement() { sqlite3_finalize(handle); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    void run() {
        Check(db, sqlite3_step(handle), "step");
        sqlite3_reset(handle);
    }
};

std::vector<Detail> ReadDetails(sqlite3* db) {
    Statement query(db,
                    "select d.trade_cd, d.detail_cd, d.detail_name, d.rate, t.trade_class_cd from m_trade_detail d "
                    "join m_trade t on t.trade_cd = d.trade_cd where d.is_valid = 1 order by 1, 2");
    std::vector<Detail> details;
    while (sqlite3_step(query.handle) == SQLITE_ROW) {
        const auto text = [&](int i) {
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(query.handle, i)));
        };
        details.push_back({text(0), text(1), text(2), sqlite3_column_int(query.handle, 3), text(4) == "D"});
    }
    if (details.empty()) throw std::runtime_error("the masters hold no trade details");
    return details;
}

std::string Summary(std::mt19937& random, const Detail& detail) {
    if (random() % 3 == 0) return detail.detailName;
    QString text;
    while (text.size() < 15) {
        const QString word = QString::fromUtf16(kWords[random() % std::size(kWords)]);
        if (text.size() + word.size() > 15) break;
        text += word;
    }
    return text.toStdString();
}

}  // namespace

GeneratedYear GenerateYear(sqlite3* db, int year, int transactions, std::uint32_t seed) {
    std::mt19937 random(seed);
    const std::vector<Detail> details = ReadDetails(db);
    GeneratedYear generated{year, transactions, 0, 0};
    Check(db, sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), "begin");
    {
        Statement insert(db, "insert into t_trade values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '2026/12/05 09:30:05')");
        Statement history(db,
                          "insert into t_trade_history select year, month, day, seq, 1, trade_cd, detail_cd, "
                          "detail_name, money, rate, is_valid, dt_update from t_trade "
                          "where year = ? and month = ? and day = ? and seq = ?");
        Statement correct(
            db, "update t_trade set money = money + 1000 where year = ? and month = ? and day = ? and seq = ?");
        std::map<std::tuple<int, int>, int> lastSeq;
        for (int i = 0; i < transactions; ++i) {
            const int month = 1 + static_cast<int>(static_cast<long long>(i) * 12 / transactions);
            const int day = 1 + static_cast<int>(random() % QDate(year, month, 1).daysInMonth());
            const int seq = ++lastSeq[{month, day}];
            const Detail& detail = details[random() % details.size()];
            const int money = 100 + static_cast<int>(random() % 300000);
            const int rate = detail.shared ? 10 * (1 + static_cast<int>(random() % 10)) : 100;
            const bool voided = random() % 100 < 3;
            const std::string summary = Summary(random, detail);
            int column = 1;
            for (int value : {year, month, day, seq}) sqlite3_bind_int(insert.handle, column++, value);
            for (const std::string* text : {&detail.tradeCd, &detail.detailCd, &summary})
                sqlite3_bind_text(insert.handle, column++, text->c_str(), -1, SQLITE_TRANSIENT);
            for (int value : {money, rate, voided ? 0 : 1}) sqlite3_bind_int(insert.handle, column++, value);
            insert.run();
            generated.voided += voided ? 1 : 0;
            if (!voided && random() % 100 < 2) {
                for (Statement* statement : {&history, &correct}) {
                    column = 1;
                    for (int value : {year, month, day, seq}) sqlite3_bind_int(statement->handle, column++, value);
                    statement->run();
                }
                ++generated.corrected;
            }
        }
    }
    Check(db, sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), "commit");
    return generated;
}
