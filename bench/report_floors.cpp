#include "report_floors.h"

#include "floor_query.h"
#include "floor_text.h"

#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kYear = 2026;

int Int(std::string_view text) {
    int n = 0;
    for (const char c : text) n = n * 10 + (c - '0');
    return n;
}

// A fixed UTF-8 text of a layout in Shift_JIS.
std::string Fixed(std::string_view text) {
    FloorText converted;
    converted.utf8(text);
    return converted.bytes();
}

const char* const kJournalSql =
    "select t.month, t.day, t.seq, t.trade_cd, m.debit_cd, m.debit_name, m.credit_cd, m.credit_name, "
    "t.money * t.rate / 100, t.detail_name from t_trade t join m_trade m on t.trade_cd = m.trade_cd "
    "where t.year = 2026 and t.is_valid = 1 order by t.month, t.day, t.seq";

// The start of a journal or record line: the date of columns 0 and 1, the
// seq of column 2 right-aligned in three, the trade code of column 3.
void DateSeqAndTrade(FloorText& out, const FloorQuery& r) {
    out.date(kYear, Int(r.text(0)), Int(r.text(1)));
    out.ascii(" ");
    out.padded(r.text(2), 3, true);
    out.ascii(" ");
    out.utf8(r.text(3));
}

}  // namespace

std::string LeadingLines(const QByteArray& file, int count) {
    qsizetype end = 0;
    for (int i = 0; i < count; ++i) {
        end = file.indexOf("\r\n", end);
        if (end < 0) throw std::runtime_error("the product's file is shorter than its heading");
        end += 2;
    }
    return std::string(file.constData(), static_cast<size_t>(end));
}

namespace {

// A file of the heading and one line a row of the query, each written by `line`.
template <class Line>
FloorRun LinePerRow(std::shared_ptr<FloorQuery> query, const std::string& heading, const QString& path, Line line) {
    return [query, heading, path, line] {
        FloorFile file(path);
        FloorText& out = file.text();
        out.ascii(heading);
        while (query->step()) {
            line(out, *query);
            out.crLf();
            file.lineDone();
        }
        file.finish();
    };
}

}  // namespace

FloorRun JournalFloor(sqlite3* db, const std::string& heading, const QString& path) {
    return LinePerRow(std::make_shared<FloorQuery>(db, kJournalSql), heading, path,
                      [](FloorText& out, const FloorQuery& r) {
                          DateSeqAndTrade(out, r);
                          for (const auto& [column, width] : {std::pair{4, 3}, {5, 30}, {6, 3}, {7, 30}}) {
                              out.ascii(" ");
                              out.padded(r.text(column), width);
                          }
                          out.ascii(" ");
                          out.padded(r.text(8), 10, true);
                          out.ascii(" ");
                          out.padded(r.text(9), 30);
                      });
}

FloorRun RecordReportFloor(sqlite3* db, const std::string& heading, const QString& path) {
    auto query = std::make_shared<FloorQuery>(
        db,
        "select month, day, seq, trade_cd, detail_cd, detail_name, money, rate from t_trade "
        "where year = 2026 and is_valid = 1 order by month, day, seq");
    return LinePerRow(query, heading, path, [percent = Fixed("％")](FloorText& out, const FloorQuery& r) {
        DateSeqAndTrade(out, r);
        out.ascii(" ");
        out.utf8(r.text(4));
        out.ascii(" ");
        out.padded(r.text(5), 30);
        out.ascii(" ");
        out.number(r.integer(6), 10, true);
        out.ascii(" ");
        out.number(r.integer(7), 3);
        out.ascii(percent);
    });
}

FloorRun InsuranceFloor(sqlite3* db, const std::string& heading, const QString& path) {
    const auto sql = [](char insuranceClass) {
        return std::string(
                   "select month, day, seq, detail_name, money * rate / 100 from t_trade t join m_trade m "
                   "on t.trade_cd = m.trade_cd where year = 2026 and t.is_valid = 1 and m.insurance_class = '") +
               insuranceClass + "' order by month, day, seq";
    };
    auto social = std::make_shared<FloorQuery>(db, sql('S').c_str());
    auto other = std::make_shared<FloorQuery>(db, sql('O').c_str());
    const std::array<std::string, 7> weekdays = {Fixed("日"), Fixed("月"), Fixed("火"), Fixed("水"),
                                                 Fixed("木"), Fixed("金"), Fixed("土")};
    const std::string socialHeading = Fixed("(1)社会保険") + "\r\n";
    const std::string otherHeading = "\r\n" + Fixed("(2)その他保険") + "\r\n";
    const std::string none = Fixed("(なし)") + "\r\n";
    const std::string total = std::string(52, '-') + "\r\n" + std::string(38, ' ') + Fixed("合計");
    return [=] {
        FloorFile file(path);
        FloorText& out = file.text();
        out.ascii(heading);
        // Each part's entries, its heading before the first; the sum of the amounts.
        const auto part = [&](FloorQuery& q, const std::string& withEntries, const std::string& without) {
            std::int64_t sum = 0;
            bool first = true;
            while (q.step()) {
                if (first) out.ascii(withEntries);
                first = false;
                const int month = Int(q.text(0)), day = Int(q.text(1));
                out.date(kYear, month, day);
                using namespace std::chrono;
                const weekday w{sys_days{year{kYear} / month / day}};
                out.ascii("(");
                out.ascii(weekdays[w.c_encoding()]);
                out.ascii(")\t");
                out.number(q.integer(2), 3);
                out.ascii("\t");
                out.padded(q.text(3), 20);
                out.ascii("\t");
                out.number(q.integer(4), 10, true);
                sum += q.integer(4);
                out.crLf();
                file.lineDone();
            }
            if (first) out.ascii(without + none);
            return sum;
        };
        const std::int64_t sum = part(*social, socialHeading, "\r\n" + socialHeading);
        out.ascii(total);
        out.number(sum, 10, true);
        out.crLf();
        part(*other, otherHeading, otherHeading);
        file.finish();
    };
}

namespace {

struct FloorAccount {
    std::string code, name;
    char accountClass = 0;
    bool fromOpening = true;
    std::int64_t opening = 0;
};

// Every account of the master with its opening amount, by code.
std::vector<FloorAccount> Accounts(FloorQuery& q) {
    std::vector<FloorAccount> accounts;
    while (q.step())
        accounts.push_back({std::string(q.text(0)), std::string(q.text(1)), q.text(2).empty() ? '\0' : q.text(2)[0],
                            q.text(3) != "B", q.integer(4)});
    return accounts;
}

const char* const kAccountsSql =
    "select ma.account_cd, case when ma.account_name = '' then ifnull(b.account_name,'') else ma.account_name end, "
    "ma.account_class, ma.output_class, ifnull(b.money,0) from m_account ma left join t_bs_begining b "
    "on b.account_cd = ma.account_cd and b.year = 2026 where ma.account_cd not in ('340', '640') order by 1";

bool DebitIncreases(char accountClass) { return accountClass == 'a' || accountClass == 'c'; }

}  // namespace

FloorRun TrialBalanceFloor(sqlite3* db, const std::string& heading, const QString& path) {
    auto accounts = std::make_shared<FloorQuery>(db, kAccountsSql);
    auto sums = std::make_shared<FloorQuery>(
        db,
        "select m.debit_cd, m.credit_cd, sum(t.money * t.rate / 100) from t_trade t join m_trade m "
        "on t.trade_cd = m.trade_cd where t.year = 2026 and t.is_valid = 1 group by 1, 2");
    return [accounts, sums, heading, path] {
        using Cells = std::array<std::int64_t, 4>;  // opening, debit, credit, closing
        std::map<std::string, Cells> moved;
        while (sums->step()) {
            moved[std::string(sums->text(0))][1] += sums->integer(2);
            moved[std::string(sums->text(1))][2] += sums->integer(2);
        }
        FloorFile file(path);
        FloorText& out = file.text();
        out.ascii(heading);
        const auto row = [&](std::string_view code, std::string_view name, const Cells& cells,
                             std::array<bool, 4> shown) {
            out.padded(code, 4);
            out.ascii(" ");
            out.padded(name, 30);
            for (size_t i = 0; i < cells.size(); ++i) {
                out.ascii(" ");
                if (shown[i])
                    out.number(cells[i], 12);
                else
                    out.blanks(12);
            }
            out.crLf();
        };
        const std::vector<FloorAccount> all = Accounts(*accounts);
        const auto groupOf = [](char c) { return c == 'a' ? 0 : c == 'r' ? 2 : c == 'c' ? 3 : 1; };
        const char* captions[] = {"資産計", "負債・資本計", "収益計", "費用計"};
        Cells total{}, income{};
        for (int group = 0; group < 4; ++group) {
            if (group > 0) out.crLf();
            Cells subtotal{};
            for (const FloorAccount& a : all) {
                if (groupOf(a.accountClass) != group) continue;
                const auto m = moved.find(a.code);
                const std::int64_t opening = a.fromOpening ? a.opening : 0;
                if (m == moved.end() && opening == 0) continue;
                Cells cells{opening, 0, 0, 0};
                if (m != moved.end()) cells[1] = m->second[1], cells[2] = m->second[2];
                cells[3] = opening + (DebitIncreases(a.accountClass) ? 1 : -1) * (cells[1] - cells[2]);
                for (size_t i = 0; i < 4; ++i) subtotal[i] += cells[i];
                row(a.code, a.name, cells, {true, true, true, true});
            }
            row({}, captions[group], subtotal, {true, true, true, true});
            for (size_t i = 0; i < 4; ++i) {
                total[i] += subtotal[i];
                if (group == 2) income[i] += subtotal[i];
                if (group == 3) income[i] -= subtotal[i];
            }
        }
        out.ascii(std::string(4 + 1 + 30 + 4 * 13, '-') + "\r\n");
        row({}, "合計", total, {false, true, true, false});
        row({}, "青色申告特別控除前の所得金額", income, {true, false, false, true});
        file.finish();
    };
}

FloorRun LedgerFloor(sqlite3* db, const std::string& heading, const QString& path) {
    auto accounts = std::make_shared<FloorQuery>(db, kAccountsSql);
    auto journal = std::make_shared<FloorQuery>(db, kJournalSql);
    FloorText columns;
    columns.padded("日付", 10);
    columns.ascii(" ");
    columns.padded("相手勘定科目", 34);
    columns.ascii(" ");
    columns.padded("適用", 30);
    for (const char* side : {"借方", "貸方", "残高"}) {
        columns.ascii(" ");
        columns.padded(side, 10, true);
    }
    columns.ascii("\r\n" + std::string(109, '-') + "\r\n");
    const std::string columnLines = columns.bytes();
    const std::string mark = Fixed("■"), page = Fixed("のページ");
    return [=] {
        struct Page {
            const FloorAccount* account = nullptr;
            std::int64_t balance = 0;
            FloorText lines;
        };
        const std::vector<FloorAccount> all = Accounts(*accounts);
        std::map<std::string, Page, std::less<>> pages;
        // The page of an account of the master, made at its first row.
        const auto pageOf = [&](std::string_view code) -> Page* {
            const auto found = pages.find(code);
            if (found != pages.end()) return &found->second;
            for (const FloorAccount& a : all) {
                if (a.code != code) continue;
                Page& made = pages[a.code];
                made.account = &a;
                made.balance = a.fromOpening ? a.opening : 0;
                return &made;
            }
            return nullptr;
        };
        const auto post = [](Page& p, const FloorQuery& r, int month, int day, int counter, bool debit) {
            FloorText& out = p.lines;
            const std::int64_t amount = r.integer(8);
            p.balance += (debit == DebitIncreases(p.account->accountClass) ? 1 : -1) * amount;
            out.date(kYear, month, day);
            out.ascii(" ");
            std::string counterAccount(r.text(counter));
            counterAccount += ' ';
            counterAccount += r.text(counter + 1);
            out.padded(counterAccount, 34);
            out.ascii(" ");
            out.padded(r.text(9), 30);
            out.ascii(" ");
            if (debit)
                out.number(amount, 10);
            else
                out.blanks(10);
            out.ascii(" ");
            if (debit)
                out.blanks(10);
            else
                out.number(amount, 10);
            out.ascii(" ");
            out.number(p.balance, 10);
            out.crLf();
        };
        while (journal->step()) {
            const FloorQuery& r = *journal;
            const int month = Int(r.text(0)), day = Int(r.text(1));
            if (Page* debit = pageOf(r.text(4))) post(*debit, r, month, day, 6, true);
            if (r.text(6) != r.text(4))
                if (Page* credit = pageOf(r.text(6))) post(*credit, r, month, day, 4, false);
        }
        FloorFile file(path);
        FloorText& out = file.text();
        out.ascii(heading);
        for (auto& [code, p] : pages) {
            out.ascii("\r\n" + mark + code + " ");
            out.utf8(p.account->name);
            out.ascii(page + "\r\n\r\n" + columnLines);
            if (p.account->fromOpening) {
                out.date(kYear, 1, 1);
                out.blanks(1 + 34 + 1);
                out.padded("期首の残高", 30);
                out.blanks(23);
                out.number(p.account->opening, 10);
                out.crLf();
            }
            out.ascii(p.lines.bytes());
            p.lines.bytes().clear();
            file.lineDone();
        }
        file.finish();
    };
}

FloorRun ExportFloor(sqlite3* db, const QString& recordPath, const QString& numberPath) {
    auto query = std::make_shared<FloorQuery>(db, kJournalSql);
    return [query, recordPath, numberPath] {
        FloorFile records(recordPath);
        FloorText& out = records.text();
        std::int64_t number = 0;
        const auto twoDigits = [&out](std::string_view n) {
            if (n.size() < 2) out.ascii("0");
            out.ascii(n.substr(n.size() >= 2 ? n.size() - 2 : 0));
        };
        while (query->step()) {
            const FloorQuery& r = *query;
            out.number(++number, 0);
            out.ascii("\t");
            twoDigits(r.text(0));
            twoDigits(r.text(1));
            for (const int column : {4, 5, 6, 7, 8, 9}) {
                out.ascii("\t");
                out.utf8(r.text(column));
            }
            out.crLf();
            records.lineDone();
        }
        records.finish();
        FloorFile next(numberPath);
        next.text().number(number + 1, 0);
        next.text().crLf();
        next.finish();
    };
}
