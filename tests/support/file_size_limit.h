#pragma once

#include <QtGlobal>

#include <sys/resource.h>

// While it lives, no file of this process can grow beyond the given size: writes past it
// fail (with EFBIG; the signal that would end the process is ignored meanwhile). Lets a
// test make a save fail half-way through without a full disk.
class file_size_limit
{
public:
    explicit file_size_limit(qint64 bytes);
    ~file_size_limit();

    file_size_limit(const file_size_limit &) = delete;
    file_size_limit &operator=(const file_size_limit &) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};
