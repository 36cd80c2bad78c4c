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
    Descriptor(FileCalls& calls, int fd) : calls_(calls), fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            calls_.Close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now, so a failing close (delayed write error) is seen.
    int Close() {
        const int result = calls_.Close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    FileCalls& calls_;
    int fd_;
};

}  // namespace

PosixCriticalFiles::PosixCriticalFiles(std::shared_ptr<FileCalls> calls)
    : calls_(calls ? std::move(calls) : std::make_shared<PosixFileCalls>()) {}

std::string PosixCriticalFiles::WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = calls_->Write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return ErrorText(errno);
        }
        if (written == 0) {
            // Nothing written and no reason given: asking again would spin for ever.
            return ErrorText(EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::string PosixCriticalFiles::SyncFolder(const std::string& folder) {
    Descriptor dir(*calls_, calls_->Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!dir.Valid()) {
        return ErrorText(errno);
    }
    if (calls_->Fsync(dir.Get()) != 0) {
        return ErrorText(errno);
    }
    return {};
}

// Writes a new file that did not exist before (O_EXCL) and makes its bytes durable.
std::string PosixCriticalFiles::WriteNewFile(const std::string& path, std::string_view bytes,
                                             mode_t mode) {
    Descriptor file(*calls_,
                    calls_->Open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (!file.Valid()) {
        return ErrorText(errno);
    }
    std::string failure = WriteAll(file.Get(), bytes);
    if (failure.empty() && calls_->Fsync(file.Get()) != 0) {
        failure = ErrorText(errno);
    }
    if (file.Close() != 0 && failure.empty()) {
        failure = ErrorText(errno);
    }
    return failure;
}

// Makes the folder and any missing folder above it, as a first run finds the user's
// configuration folder without the game's folder in it.
bool PosixCriticalFiles::MakeFolders(const std::string& folder) {
    if (folder.empty() || folder == "/" || folder == ".") {
        return false;
    }
    if (calls_->Mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        return true;
    }
    return errno == ENOENT && MakeFolders(FolderOf(folder)) &&
           (calls_->Mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST);
}

FileBytes PosixCriticalFiles::Read(const std::string& path, std::size_t limit) {
    FileBytes result;
    // Without O_NONBLOCK a pipe put in the file's place would hold the start for ever.
    Descriptor file(*calls_, calls_->Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0));
    if (!file.Valid()) {
        if (errno == ENOENT) {
            result.Missing = true;
        } else {
            result.Failure = ErrorText(errno);
        }
        return result;
    }
    struct stat status {};
    if (calls_->Fstat(file.Get(), &status) != 0) {
        result.Failure = ErrorText(errno);
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.Failure = "it is not a plain file";
        return result;
    }
    std::string bytes;
    char buffer[16384];
    while (true) {
        const ssize_t got = calls_->Read(file.Get(), buffer, sizeof buffer);
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
    calls_->Unlink(temporary.c_str());
    if (calls_->Access(FolderOf(path).c_str(), F_OK) != 0) {
        MakeFolders(FolderOf(path));
    }
    std::string failure = WriteNewFile(temporary, bytes, 0600);
    if (failure.empty() && calls_->Rename(temporary.c_str(), path.c_str()) != 0) {
        failure = ErrorText(errno);
    }
    if (!failure.empty()) {
        calls_->Unlink(temporary.c_str());
    }
    return failure;
}

std::string PosixCriticalFiles::SyncFolderOf(const std::string& path) {
    return SyncFolder(FolderOf(path));
}

std::string PosixCriticalFiles::MoveAside(const std::string& from, const std::string& to) {
    if (calls_->Access(to.c_str(), F_OK) == 0) {
        return to + " already exists";
    }
    if (calls_->Rename(from.c_str(), to.c_str()) != 0) {
        return ErrorText(errno);
    }
    return SyncFolder(FolderOf(to));
}

}  // namespace orvane
