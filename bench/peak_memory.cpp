#include "peak_memory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in bytes ("VmRSS:  1234 kB").
std::int64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::stoll(line.substr(field.size() + 1)) * 1024;
    return 0;
}

}  // namespace

std::int64_t PeakBytesAbove(const std::function<void()>& work) {
    // Heap freed by earlier work goes back to the system first, so that the
    // work's own growth is seen.
    malloc_trim(0);
    // Writing 5 resets the high-water mark to the present size.
    std::ofstream("/proc/self/clear_refs") << "5";
    const std::int64_t before = StatusBytes("VmRSS");
    work();
    return StatusBytes("VmHWM") - before;
}
