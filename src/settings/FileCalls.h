#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace orvane {

// The system calls the record files are made of, one for one, so that a test can make any
// single one of them fail (or stop the process at it) and see what the store then keeps.
// Each behaves as its namesake: -1 with errno set on failure.
class FileCalls {
  public:
    virtual ~FileCalls() = default;

    virtual int Open(const char* path, int flags, mode_t mode) = 0;
    virtual ssize_t Read(int fd, void* buffer, std::size_t size) = 0;
    virtual ssize_t Write(int fd, const void* bytes, std::size_t size) = 0;
    virtual int Fstat(int fd, struct stat* status) = 0;
    virtual int Fsync(int fd) = 0;
    virtual int Close(int fd) = 0;
    virtual int Rename(const char* from, const char* to) = 0;
    virtual int Unlink(const char* path) = 0;
    virtual int Access(const char* path, int mode) = 0;
    virtual int Mkdir(const char* path, mode_t mode) = 0;
};

// The calls themselves.
class PosixFileCalls final : public FileCalls {
  public:
    int Open(const char* path, int flags, mode_t mode) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t Write(int fd, const void* bytes, std::size_t size) override;
    int Fstat(int fd, struct stat* status) override;
    int Fsync(int fd) override;
    int Close(int fd) override;
    int Rename(const char* from, const char* to) override;
    int Unlink(const char* path) override;
    int Access(const char* path, int mode) override;
    int Mkdir(const char* path, mode_t mode) override;
};

}  // namespace orvane
