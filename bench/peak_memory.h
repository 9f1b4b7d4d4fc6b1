#pragma once
// Peak resident memory of one call above what the process held before it:
// the kernel's high-water mark is reset first, then read back after.
#include <cstdint>
#include <functional>

std::int64_t PeakBytesAbove(const std::function<void()>& work);
