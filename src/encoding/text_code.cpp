#include "encoding/text_code.h"

#include <array>

namespace {

// A validator position of -1 means it has rejected the text.
constexpr qsizetype kDead = -1;

class Bytes {
public:
    explicit Bytes(const QByteArray& bytes) : data_(bytes), n_(bytes.size()) {}
    qsizetype size() const { return n_; }
    unsigned char operator[](qsizetype i) const { return static_cast<unsigned char>(data_[i]); }
    // True when position i exists and its byte lies in lo..hi.
    bool in(qsizetype i, unsigned lo, unsigned hi) const { return i < n_ && (*this)[i] >= lo && (*this)[i] <= hi; }

private:
    const QByteArray& data_;
    qsizetype n_;
};

bool IsBase64(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

bool IsJisEscape(const Bytes& b, qsizetype i) {
    if (i + 2 >= b.size()) return false;
    const unsigned char c1 = b[i + 1];
    const unsigned char c2 = b[i + 2];
    return (c1 == '(' && (c2 == 'B' || c2 == 'J' || c2 == 'I')) || (c1 == '$' && (c2 == 'B' || c2 == '@' || c2 == '('));
}

// Each validator returns the length of the character starting at p, or 0
// when it rejects it.
qsizetype Utf8CharAt(const Bytes& b, qsizetype p) {
    const unsigned char v = b[p];
    if (v <= 0x7F) return 1;
    if (v >= 0xC2 && v <= 0xDF) return b.in(p + 1, 0x80, 0xBF) ? 2 : 0;
    if (v == 0xE0) return b.in(p + 1, 0xA0, 0xBF) && b.in(p + 2, 0x80, 0xBF) ? 3 : 0;
    if (v >= 0xE1 && v <= 0xEF) return b.in(p + 1, 0x80, 0xBF) && b.in(p + 2, 0x80, 0xBF) ? 3 : 0;
    const auto tail3 = [&](unsigned lo, unsigned hi) {
        return b.in(p + 1, lo, hi) && b.in(p + 2, 0x80, 0xBF) && b.in(p + 3, 0x80, 0xBF) ? 4 : 0;
    };
    if (v == 0xF0) return tail3(0x90, 0xBF);
    if (v >= 0xF1 && v <= 0xF3) return tail3(0x80, 0xBF);
    if (v == 0xF4) return tail3(0x80, 0x8F);
    return 0;
}

qsizetype SjisCharAt(const Bytes& b, qsizetype p) {
    const unsigned char v = b[p];
    if (v <= 0x80 || (v >= 0xA0 && v <= 0xDF)) return 1;  // ASCII, 0x80, half-width katakana
    if ((v >= 0x81 && v <= 0x9F) || (v >= 0xE0 && v <= 0xFC))
        return b.in(p + 1, 0x40, 0x7E) || b.in(p + 1, 0x80, 0xFC) ? 2 : 0;
    return 0;
}

qsizetype EucCharAt(const Bytes& b, qsizetype p) {
    const unsigned char v = b[p];
    if (v <= 0x7F) return 1;
    if (v == 0x8E) return b.in(p + 1, 0xA1, 0xDF) ? 2 : 0;
    if (v == 0x8F) return b.in(p + 1, 0xA1, 0xFE) && b.in(p + 2, 0xA1, 0xFE) ? 3 : 0;
    if (v >= 0xA1) return b.in(p + 1, 0xA1, 0xFE) ? 2 : 0;
    return 0;
}

struct Validator {
    using CharAt = qsizetype (*)(const Bytes&, qsizetype);
    explicit Validator(CharAt f) : charAt(f) {}

    CharAt charAt;
    qsizetype pos = 0;
    qsizetype score = 0;  // bytes of accepted multi-byte characters

    bool alive() const { return pos != kDead; }

    // Moves over one character when the validator has reached position i;
    // returns false when it dies here.
    bool step(const Bytes& b, qsizetype i) {
        if (pos == kDead || pos > i) return true;
        const qsizetype len = charAt(b, pos);
        if (len == 0) {
            pos = kDead;
            return false;
        }
        if (len > 1) score += len;
        pos += len;
        return true;
    }
};

}  // namespace

TextCode DetectTextCode(const QByteArray& bytes) {
    const Bytes b(bytes);
    const qsizetype n = b.size();

    if (n >= 2) {
        if (b[0] >= 0xFE && b[1] >= 0xFE) return b[0] == 0xFE && b[1] == 0xFF ? kTextUtf16Be : kTextUtf16Le;
        if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return kTextUtf8Bom;
    }

    bool ascii = true;
    Validator utf8{Utf8CharAt};
    Validator sjis{SjisCharAt};
    Validator euc{EucCharAt};
    int alive = 3;
    qsizetype j = 0;  // UTF-7 search position; -1 once UTF-7 is ruled out
    qsizetype k = 0;  // base64 characters of the current shifted sequence
    qsizetype L = 0;  // credited length of the first valid shifted sequence

    // All three validators dead: the largest score wins, ties to the code tested first.
    const auto scoreRule = [&]() -> TextCode {
        TextCode r = kTextNone;
        if (L > 0) r = kTextUtf7;
        if (utf8.score > L) r = kTextUtf8;
        if (sjis.score > utf8.score && sjis.score > L) r = kTextSjis;
        if (euc.score > sjis.score && euc.score > utf8.score && euc.score > L) return kTextEuc;
        return r;
    };

    for (qsizetype i = 0; i < n; ++i) {
        if (ascii) {
            const unsigned char c = b[i];
            if (c > 0x7F) {
                ascii = false;
            } else if (c == 0x1B) {
                // An unrecognised escape leaves the UTF-7 search where it is.
                if (IsJisEscape(b, i)) return kTextJis;
            } else if (j >= 0 && j <= i) {
                if (b[j] != '+') {
                    ++j;
                } else {
                    k = 0;
                    ++j;
                    while (j < n) {
                        if (IsBase64(b[j])) {
                            ++k;
                            ++j;
                            continue;
                        }
                        // A shifted sequence must end in "-" with at most 5 spare bits.
                        if (b[j] == '-' && (6 * k) % 16 <= 5) {
                            if (L > 0) return kTextUtf7;
                            ++j;
                            L = j - i;
                        } else {
                            j = kDead;
                        }
                        break;
                    }
                }
            }
        }

        for (Validator* v : {&utf8, &sjis, &euc})
            if (!v->step(b, i)) --alive;

        if (!ascii && alive <= 1) {
            if (utf8.alive()) return kTextUtf8;
            if (sjis.alive()) return kTextSjis;
            if (euc.alive()) return kTextEuc;
            return scoreRule();
        }
    }

    if (ascii && j >= 0 && L > 0) return kTextUtf7;
    if (utf8.alive() && utf8.score > 0) return kTextUtf8;
    if (sjis.alive() && sjis.score > utf8.score) return kTextSjis;
    if (euc.alive() && euc.score > sjis.score && euc.score > utf8.score) return kTextEuc;
    return ascii ? kTextAscii : kTextNone;
}

QString TextCodeName(int code) {
    static const std::array<const char*, 10> kNames = {
        "NONE", "ASCII", "SJIS", "EUC", "JIS", "UTF16_LE", "UTF16_BE", "UTF8", "UTF8_BOM", "UTF7",
    };
    if (code < 0 || code >= static_cast<int>(kNames.size())) return QStringLiteral("NONE");
    return QString::fromLatin1(kNames[static_cast<std::size_t>(code)]);
}
