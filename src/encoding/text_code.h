#pragma once
// Classifies the bytes of a text file into one of ten text codes.
#include <QByteArray>
#include <QString>

// The numbers are what callers compare against; keep them as they are.
enum TextCode : int {
    kTextNone = 0,   // 8-bit data no validator accepts better than the others
    kTextAscii = 1,  // 7-bit text without escape sequences
    kTextSjis = 2,
    kTextEuc = 3,
    kTextJis = 4,      // ISO-2022-JP
    kTextUtf16Le = 5,  // byte-order mark only
    kTextUtf16Be = 6,  // byte-order mark only
    kTextUtf8 = 7,
    kTextUtf8Bom = 8,
    kTextUtf7 = 9,
};

// One forward pass: byte-order marks first, then UTF-8, Shift_JIS and EUC-JP
// validators side by side, with ISO-2022-JP escapes and UTF-7 shifted
// sequences looked for while only 7-bit bytes have been seen.
TextCode DetectTextCode(const QByteArray& bytes);

// "NONE", "ASCII", "SJIS", "EUC", "JIS", "UTF16_LE", "UTF16_BE", "UTF8",
// "UTF8_BOM", "UTF7"; "NONE" for a number outside 0..9.
QString TextCodeName(int code);
