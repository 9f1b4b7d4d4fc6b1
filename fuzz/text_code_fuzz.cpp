// Any bytes a phrase file can hold: the detector names one of its ten codes,
// the same one every time, without reading outside the bytes.
#include "encoding/text_code.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextCode code = DetectTextCode(bytes);
    if (code < kTextNone || code > kTextUtf7) std::abort();
    if (DetectTextCode(bytes) != code) std::abort();
    if (TextCodeName(code).isEmpty()) std::abort();
    return 0;
}
