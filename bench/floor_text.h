#pragma once
// What a floor writes with: values straight from SQLite's UTF-8 into
// Shift_JIS bytes through a table taken once from the converter, laid out in
// byte widths, and written to the file in pieces.
#include <QString>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class FloorText {
public:
    // Takes the table from the converter (once per process).
    FloorText();

    std::string& bytes() { return bytes_; }
    void ascii(std::string_view text) { bytes_ += text; }
    void blanks(int count) { bytes_.append(static_cast<size_t>(count > 0 ? count : 0), ' '); }
    // The UTF-8 text converted; returns its bytes.
    int utf8(std::string_view text);
    // Whole characters of the text in `width` bytes, blanks after (left) or before.
    void padded(std::string_view text, int width, bool right = false);
    // The last `width` characters of the number (after "\" when yen), blanks
    // before; the whole number when the width is 0.
    void number(std::int64_t n, int width, bool yen = false);
    void date(int year, int month, int day);  // 2020/04/05
    void crLf() { bytes_ += "\r\n"; }
    // The bytes of one UTF-16 unit.
    static int unitBytes(char16_t unit);

private:
    std::string bytes_;
};

// A file written in pieces of about 64 KiB from a FloorText. It is made as
// the program must make a report: under a temporary name, on the disk before
// it takes its name, so that no reader finds it half-written.
class FloorFile {
public:
    explicit FloorFile(const QString& path);
    ~FloorFile();
    FloorFile(const FloorFile&) = delete;
    FloorFile& operator=(const FloorFile&) = delete;
    FloorText& text() { return text_; }
    // Writes the piece when it has grown past 64 KiB.
    void lineDone();
    // Writes the rest, puts the file on the disk and gives it its name.
    void finish();

private:
    void flush();
    std::string path_, temporary_;
    std::FILE* file_;
    FloorText text_;
};
