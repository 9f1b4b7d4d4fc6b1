#pragma once
// A full disk without any privilege: while it lives, no file of this process
// may grow beyond the limit (RLIMIT_FSIZE); a write past it fails as a
// write to a full disk does, instead of raising SIGXFSZ.
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*handler_)(int) = nullptr;
};
