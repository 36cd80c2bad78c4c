#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "CriticalFiles.h"

namespace orvane {
namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now, so a failing close (delayed write error) is seen.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

std::string WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorText(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::string SyncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.Valid()) {
        return ErrorText(errno);
    }
    if (::fsync(dir.Get()) != 0) {
        return ErrorText(errno);
    }
    return {};
}

// Writes a new file that did not exist before (O_EXCL) and makes its bytes durable.
std::string WriteNewFile(const std::string& path, std::string_view bytes, mode_t mode) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (!file.Valid()) {
        return ErrorText(errno);
    }
    std::string failure = WriteAll(file.Get(), bytes);
    if (failure.empty() && ::fsync(file.Get()) != 0) {
        failure = ErrorText(errno);
    }
    if (file.Close() != 0 && failure.empty()) {
        failure = ErrorText(errno);
    }
    return failure;
}

// Makes the folder and any missing folder above it, as a first run finds the user's
// configuration folder without the game's folder in it.
bool MakeFolders(const std::string& folder) {
    if (folder.empty() || folder == "/" || folder == ".") {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        return true;
    }
    return errno == ENOENT && MakeFolders(FolderOf(folder)) &&
           (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST);
}

}  // namespace

FileBytes PosixCriticalFiles::Read(const std::string& path, std::size_t limit) {
    FileBytes result;
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) {
        if (errno == ENOENT) {
            result.Missing = true;
        } else {
            result.Failure = ErrorText(errno);
        }
        return result;
    }
    std::string bytes;
    char buffer[16384];
    while (true) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.Failure = ErrorText(errno);
            return result;
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            result.Failure = "it is larger than " + std::to_string(limit) + " bytes";
            return result;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    result.Bytes = std::move(bytes);
    return result;
}

std::string PosixCriticalFiles::ReplaceDurably(const std::string& path, std::string_view bytes) {
    // One fixed name, so a temporary file left by a crash is replaced by the next save
    // instead of piling up; only one copy of the game runs at a time.
    const std::string temporary = path + ".tmp";
    ::unlink(temporary.c_str());
    if (::access(FolderOf(path).c_str(), F_OK) != 0) {
        MakeFolders(FolderOf(path));
    }
    std::string failure = WriteNewFile(temporary, bytes, 0600);
    if (failure.empty() && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = ErrorText(errno);
    }
    if (!failure.empty()) {
        ::unlink(temporary.c_str());
    }
    return failure;
}

std::string PosixCriticalFiles::SyncFolderOf(const std::string& path) {
    return SyncFolder(FolderOf(path));
}

std::string PosixCriticalFiles::MoveAside(const std::string& from, const std::string& to) {
    if (::access(to.c_str(), F_OK) == 0) {
        return to + " already exists";
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return ErrorText(errno);
    }
    return SyncFolder(FolderOf(to));
}

}  // namespace orvane
