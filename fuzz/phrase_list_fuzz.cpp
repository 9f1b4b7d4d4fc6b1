// A phrase file the encoding check accepts: no line keeps a line break, and
// no more lines come out than the file has line ends plus one.
#include "app/text_file.h"
#include "encoding/text_code.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const TextCode code = DetectTextCode(bytes); code != kTextAscii && code != kTextSjis) return 0;
    const QStringList lines = TextLines(bytes);
    for (const QString& line : lines)
        if (line.contains(u'\r') || line.contains(u'\n')) std::abort();
    if (lines.size() > bytes.count('\r') + bytes.count('\n') + 1) std::abort();
    return 0;
}
