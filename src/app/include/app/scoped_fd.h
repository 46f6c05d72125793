#pragma once
// A file descriptor closed when its owner goes, on every path.
#include <unistd.h>
#include <utility>

namespace ejteto {

class ScopedFd {
public:
    explicit ScopedFd(int fd) noexcept : fd_(fd) {}
    ~ScopedFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    ScopedFd(ScopedFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    ScopedFd& operator=(ScopedFd&& other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;

    int get() const noexcept { return fd_; }
    bool isValid() const noexcept { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace ejteto
