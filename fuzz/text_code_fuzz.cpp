// Any bytes: the detector names one of its codes, the same one every time.
#include "encoding/text_code.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextCode code = DetectTextCode(bytes);
    if (code < kTextNone || code > kTextUtf7 || DetectTextCode(bytes) != code || TextCodeName(code).isEmpty())
        std::abort();
    return 0;
}
