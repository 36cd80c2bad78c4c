#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "FileCalls.h"

namespace orvane {

int PosixFileCalls::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
ssize_t PosixFileCalls::Read(int fd, void* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
ssize_t PosixFileCalls::Write(int fd, const void* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
int PosixFileCalls::Fstat(int fd, struct stat* status) {
    return ::fstat(fd, status);
}
int PosixFileCalls::Fsync(int fd) {
    return ::fsync(fd);
}
int PosixFileCalls::Close(int fd) {
    return ::close(fd);
}
int PosixFileCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}
int PosixFileCalls::Unlink(const char* path) {
    return ::unlink(path);
}
int PosixFileCalls::Access(const char* path, int mode) {
    return ::access(path, mode);
}
int PosixFileCalls::Mkdir(const char* path, mode_t mode) {
    return ::mkdir(path, mode);
}

}  // namespace orvane
