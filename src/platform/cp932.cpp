#include "platform/cp932.h"

#include <unicode/ucnv.h>

#include <memory>
#include <stdexcept>

namespace platform {
namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Microsoft's table, not glibc's SHIFT_JIS: there 0x5C would be the yen sign
// and "～" would have no code.
UConverter* converter() {
    static const Converter instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        Converter c(ucnv_open("windows-31j", &status));
        if (U_FAILURE(status)) throw std::runtime_error("The windows-31j converter is not available");
        ucnv_setFallback(c.get(), true);
        ucnv_setSubstChars(c.get(), "?", 1, &status);
        if (U_FAILURE(status)) throw std::runtime_error("Cannot set the substitution character");
        return c;
    }();
    return instance.get();
}

}  // namespace

QByteArray toCp932(const QString& text) {
    if (text.isEmpty()) return {};
    UConverter* c = converter();
    ucnv_resetFromUnicode(c);
    // At most two bytes per UTF-16 unit.
    QByteArray out(text.size() * 2 + 1, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n =
        ucnv_fromUChars(c, out.data(), static_cast<int32_t>(out.size()), reinterpret_cast<const UChar*>(text.utf16()),
                        static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) throw std::runtime_error("Shift_JIS conversion failed");
    out.truncate(n);
    return out;
}

QString fromCp932(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    UConverter* c = converter();
    ucnv_resetToUnicode(c);
    QString out(bytes.size(), Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(c, reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                                    bytes.constData(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) throw std::runtime_error("Shift_JIS conversion failed");
    out.truncate(n);
    return out;
}

}  // namespace platform
