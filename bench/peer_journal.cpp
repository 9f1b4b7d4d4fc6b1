#include "peer_journal.h"

#include "floor_query.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

// Two blanks end an account name, and a line break would end the entry: the
// texts are kept on one line with single blanks.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    for (std::size_t at; (at = line.find("  ")) != std::string::npos;) line.erase(at, 1);
    return line;
}

// The summary as the payee. A payee starting with "(", "*" or "!" would be
// read as a code or a status mark instead, and one starting with ";" as a
// comment: such a one gets a "_" in front.
std::string Payee(std::string_view summary) {
    std::string payee = OneLine(summary);
    while (!payee.empty() && payee.front() == ' ') payee.erase(0, 1);
    if (payee.empty() || std::string_view("(*!;").find(payee.front()) == std::string_view::npos) return payee;
    std::string guarded = "_";
    guarded += payee;
    return guarded;
}

}  // namespace

void WritePeerJournal(sqlite3* db, int year, const QString& path) {
    FloorQuery rows(db, ("select t.month, t.day, m.debit_cd, m.debit_name, m.credit_cd, m.credit_name, "
                         "t.money * t.rate / 100, t.detail_name from t_trade t join m_trade m "
                         "on t.trade_cd = m.trade_cd where t.year = " +
                         std::to_string(year) + " and t.is_valid = 1 order by t.month, t.day, t.seq")
                            .c_str());
    std::string text;
    char date[16];
    while (rows.step()) {
        std::snprintf(date, sizeof date, "%04d/%02d/%02d", year, static_cast<int>(rows.integer(0)),
                      static_cast<int>(rows.integer(1)));
        const std::int64_t amount = rows.integer(6);
        const auto posting = [&text](std::string_view code, std::string_view name, std::int64_t value) {
            std::string account(code);
            account += ' ';
            account += name;
            text += "    ";
            text += OneLine(account);
            text += "  ";
            text += std::to_string(value);
            text += '\n';
        };
        text += date;
        text += ' ';
        text += Payee(rows.text(7));
        text += '\n';
        posting(rows.text(2), rows.text(3), amount);
        posting(rows.text(4), rows.text(5), -amount);
        text += '\n';
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
        throw std::runtime_error("the plain-text journal cannot be written");
}
