// make_database OUTPUT SCRIPT...
//
// Runs the SQL scripts, in order, into a new SQLite database file. An SQL
// error stops with the script name and line, a master row that refers to a
// missing row stops with that row; both exit non-zero and leave no database
// file at all, so neither the build nor the tests carry on with a wrong one.
#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The first character of a statement, past blanks and "--" comments, so that
// a message points at the statement and not at the comment above it.
std::size_t statementStart(const std::string& text, std::size_t pos) {
    while (pos < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        } else if (text.compare(pos, 2, "--") == 0) {
            const std::size_t eol = text.find('\n', pos);
            pos = eol == std::string::npos ? text.size() : eol + 1;
        } else {
            break;
        }
    }
    return pos;
}

std::string where(const fs::path& script, const std::string& text, std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') ++line;
    return script.filename().string() + ":" + std::to_string(line) + ": ";
}

class Database {
public:
    explicit Database(const fs::path& path) {
        if (sqlite3_open(path.string().c_str(), &db_) != SQLITE_OK)
            throw Failure("cannot create " + path.string() + ": " + sqlite3_errmsg(db_));
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "unknown error";
            sqlite3_free(error);
            throw Failure(sql + ": " + message);
        }
    }

    std::vector<std::vector<std::string>> rows(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw Failure(sql + ": " + sqlite3_errmsg(db_));
        std::vector<std::vector<std::string>> result;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                row.emplace_back(text ? text : "NULL");
            }
            result.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return result;
    }

    void runScript(const fs::path& script) {
        const std::string text = readFile(script);
        const char* const begin = text.c_str();
        const char* const end = begin + text.size();
        const char* next = begin;
        while (next < end) {
            const auto from = static_cast<std::size_t>(next - begin);
            const std::size_t at = statementStart(text, from);
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(db_, next, static_cast<int>(end - next), &statement, &next) != SQLITE_OK) {
                // Point at the offending token when SQLite knows it.
                const int offset = sqlite3_error_offset(db_);
                throw Failure(where(script, text, offset >= 0 ? from + static_cast<std::size_t>(offset) : at) +
                              sqlite3_errmsg(db_));
            }
            if (statement == nullptr) continue;  // only blanks and comments were left
            int rc = SQLITE_ROW;
            while (rc == SQLITE_ROW) rc = sqlite3_step(statement);
            const std::string error = rc == SQLITE_DONE ? std::string() : sqlite3_errmsg(db_);
            sqlite3_finalize(statement);
            if (rc != SQLITE_DONE) throw Failure(where(script, text, at) + error);
        }
    }

    // Every reference of the masters must find its row. Checked after loading
    // rather than enforced while inserting, so that the message can show the
    // offending row itself.
    void checkReferences() {
        std::string broken;
        for (const auto& ref : rows("pragma foreign_key_check")) {
            const std::string& table = ref.at(0);
            std::string values;
            for (const auto& row : rows("select * from " + table + " where rowid = " + ref.at(1)))
                for (const std::string& v : row) values += (values.empty() ? "" : ", ") + v;
            broken += "\n  " + table + " (" + values + ") refers to a missing row of " + ref.at(2);
        }
        if (!broken.empty()) throw Failure("broken references:" + broken);
    }

private:
    sqlite3* db_ = nullptr;
};

void removeIfPresent(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_database OUTPUT SCRIPT...\n";
        return 2;
    }
    const fs::path output = argv[1];
    fs::path partial = output;
    partial += ".partial";
    removeIfPresent(partial);
    try {
        {
            Database db(partial);
            db.exec("begin");
            for (int i = 2; i < argc; ++i) db.runScript(argv[i]);
            db.checkReferences();
            db.exec("commit");
        }
        fs::rename(partial, output);
    } catch (const std::exception& e) {
        // An older database left in place would pass for an up-to-date one.
        removeIfPresent(partial);
        removeIfPresent(output);
        std::cerr << "make_database: error: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
