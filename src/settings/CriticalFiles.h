#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "FileCalls.h"

namespace orvane {

// The whole of a small file, or why it could not be had.
struct FileBytes {
    bool Missing = false;  // there is no such file: not an error
    std::optional<std::string> Bytes;
    std::string Failure;  // set when the file is there but could not be read
};

// The file work the record store needs, behind an interface so a test can make a
// write fail the way a full disk or a read-only folder does.
class CriticalFiles {
  public:
    virtual ~CriticalFiles() = default;

    // At most limit bytes are read; a longer file, or anything that is not a plain file
    // (a device, a pipe), is reported, not read.
    virtual FileBytes Read(const std::string& path, std::size_t limit) = 0;
    // Puts bytes in place of the file at path so that after a crash at any instant the
    // file holds either its old or its new bytes; the new bytes are on the disk before the
    // name points at them. The new name itself is on the disk after SyncFolderOf. Gives ""
    // on success, else the reason in words ("No space left on device").
    virtual std::string ReplaceDurably(const std::string& path, std::string_view bytes) = 0;
    // Makes the names given in the folder of path so far survive a crash.
    virtual std::string SyncFolderOf(const std::string& path) = 0;
    // Gives a file a new name beside it, never replacing an existing file, so its bytes
    // are kept exactly whatever their size; "" on success, else the reason.
    virtual std::string MoveAside(const std::string& from, const std::string& to) = 0;
};

// The real files: a temporary file in the same folder, fsync, rename, fsync of the folder.
// calls defaults to the system's own.
class PosixCriticalFiles final : public CriticalFiles {
  public:
    explicit PosixCriticalFiles(std::shared_ptr<FileCalls> calls = nullptr);

    FileBytes Read(const std::string& path, std::size_t limit) override;
    std::string ReplaceDurably(const std::string& path, std::string_view bytes) override;
    std::string SyncFolderOf(const std::string& path) override;
    std::string MoveAside(const std::string& from, const std::string& to) override;

  private:
    std::string WriteAll(int fd, std::string_view bytes);
    std::string SyncFolder(const std::string& folder);
    std::string WriteNewFile(const std::string& path, std::string_view bytes, mode_t mode);
    bool MakeFolders(const std::string& folder);

    std::shared_ptr<FileCalls> calls_;
};

}  // namespace orvane
