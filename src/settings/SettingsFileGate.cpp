#include "SettingsFileGate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvane {
namespace {

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    if (S_ISFIFO(mode)) {
        return "a pipe";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "something else";
}

std::string Refusal(const struct stat& status, std::int64_t limit) {
    if (!S_ISREG(status.st_mode)) {
        return "it is not a file but " + KindOf(status.st_mode);
    }
    if (status.st_size > limit) {
        return "it is larger than " + std::to_string(limit) + " bytes, far more than any settings";
    }
    return {};
}

}  // namespace

std::string RefusalToRead(const std::string& path, std::int64_t limit) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};  // missing, or unreadable: the reading itself tells that
    }
    if (std::string refusal = Refusal(status, limit); !refusal.empty()) {
        return refusal;
    }
    // What was looked at may be swapped before it is opened; the open never waits for a
    // writer, and what it opened is looked at again.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string refusal;
    if (::fstat(fd, &status) == 0) {
        refusal = Refusal(status, limit);
    }
    ::close(fd);
    return refusal;
}

void KeepPrivate(const std::string& file, bool folderToo) {
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        (status.st_mode & 07777) != 0600) {
        ::chmod(file.c_str(), 0600);
    }
    const std::size_t slash = file.rfind('/');
    if (!folderToo || slash == std::string::npos || slash == 0) {
        return;
    }
    const std::string folder = file.substr(0, slash);
    if (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == ::geteuid() && (status.st_mode & 07777) != 0700) {
        ::chmod(folder.c_str(), 0700);
    }
}

}  // namespace orvane
