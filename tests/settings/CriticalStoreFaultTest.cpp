#include <fcntl.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <set>

#include "settings/CriticalStore.h"

namespace orvane::test {
namespace {

// What can happen to one system call.
enum class Outcome { Error, Short, Crash };

const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Error:
            return "error";
        case Outcome::Short:
            return "short";
        case Outcome::Crash:
            return "crash";
    }
    return "?";
}

// The real calls on a scratch folder, numbered as they come; call number FaultAt gets the
// outcome asked for. A crash performs nothing from that call on, which leaves the disk as
// the process would leave it if it ended there.
class FaultyCalls final : public FileCalls {
  public:
    struct Call {
        std::string Kind;
        std::string Path;
    };

    int Open(const char* path, int flags, mode_t mode) override {
        const bool folder = (flags & O_DIRECTORY) != 0;
        const std::string kind = folder                   ? "open folder"
                                 : (flags & O_CREAT) != 0 ? "open new"
                                                          : "open";
        if (Faulted(kind, path)) {
            return -1;
        }
        const int fd = real.Open(path, flags, mode);
        if (fd >= 0) {
            names[fd] = {folder ? "folder" : "file", path};
        }
        return fd;
    }
    ssize_t Read(int fd, void* buffer, std::size_t size) override {
        if (Faulted("read", names[fd].Path)) {
            return Shortened() ? real.Read(fd, buffer, 1) : -1;
        }
        return real.Read(fd, buffer, size);
    }
    ssize_t Write(int fd, const void* bytes, std::size_t size) override {
        if (Faulted("write", names[fd].Path)) {
            return Shortened() ? real.Write(fd, bytes, size / 2) : -1;
        }
        return real.Write(fd, bytes, size);
    }
    int Fstat(int fd, struct stat* status) override {
        return Faulted("fstat", names[fd].Path) ? -1 : real.Fstat(fd, status);
    }
    int Fsync(int fd) override {
        return Faulted("fsync " + names[fd].Kind, names[fd].Path) ? -1 : real.Fsync(fd);
    }
    int Close(int fd) override {
        // The descriptor goes either way, as close(2) on Linux does; ending the process
        // closes it too, without touching the disk.
        const bool faulted = Faulted("close " + names[fd].Kind, names[fd].Path);
        names.erase(fd);
        return real.Close(fd) != 0 || faulted ? -1 : 0;
    }
    int Rename(const char* from, const char* to) override {
        return Faulted("rename", to) ? -1 : real.Rename(from, to);
    }
    int Unlink(const char* path) override {
        return Faulted("unlink", path) ? -1 : real.Unlink(path);
    }
    int Access(const char* path, int mode) override {
        return Faulted("access", path) ? -1 : real.Access(path, mode);
    }
    int Mkdir(const char* path, mode_t mode) override {
        return Faulted("mkdir", path) ? -1 : real.Mkdir(path, mode);
    }

    int FaultAt = -1;
    Outcome What = Outcome::Error;
    int Errno = EIO;
    std::string Refuse;  // every call of this kind fails with Errno
    std::vector<Call> Calls;
    bool Crashed = false;
    bool Hit = false;

  private:
    bool Faulted(const std::string& kind, const std::string& path) {
        if (Crashed) {
            errno = EIO;
            return kind.rfind("close", 0) != 0;
        }
        if (kind == Refuse) {
            errno = Errno;
            return true;
        }
        const bool hit = static_cast<int>(Calls.size()) == FaultAt;
        Calls.push_back({kind, path});
        if (!hit) {
            return false;
        }
        Hit = true;
        Crashed = What == Outcome::Crash;
        errno = Errno;
        return kind.rfind("close", 0) != 0 || What != Outcome::Short;
    }
    bool Shortened() const { return What == Outcome::Short && !Crashed; }

    struct Name {
        std::string Kind;
        std::string Path;
    };
    PosixFileCalls real;
    std::map<int, Name> names;
};

CriticalRecords Credit(int credit) {
    return {{"Credit", std::to_string(credit)}, {"CoinsIn", "5000"}, {"Games", "77"}};
}

class CriticalStoreFaultTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(scratch.isValid()); }

    CriticalStore Store(std::shared_ptr<FaultyCalls> calls) {
        CriticalStore store(path, std::make_shared<PosixCriticalFiles>(std::move(calls)),
                            [] { return std::int64_t{1765281600}; });
        store.Tell = [this](const std::string& message) { told.push_back(message); };
        return store;
    }
    // The records a copy holds on the disk now, as a fresh run would decode them.
    std::optional<CriticalContent> OnDisk(const std::string& file) const {
        const FileBytes bytes = PosixCriticalFiles().Read(file, CriticalLimits::MaxFileBytes);
        return bytes.Bytes ? DecodeRecords(*bytes.Bytes).Content : std::nullopt;
    }
    // The folder holds the first copy at save first and the second at save second.
    void Prepare(int first, int second) {
        QDir(dirPath).removeRecursively();
        QDir().mkpath(dirPath);
        for (const auto& [file, sequence] : {std::pair{path, first}, std::pair{copy2, second}}) {
            const auto bytes = EncodeRecords({std::uint64_t(sequence), 0, Credit(sequence * 100)});
            ASSERT_EQ(PosixCriticalFiles().ReplaceDurably(file, *bytes.Bytes), "");
        }
        told.clear();
    }
    std::shared_ptr<FaultyCalls> Trace(const std::function<void(CriticalStore&)>& before,
                                       const std::function<void(CriticalStore&)>& traced) {
        auto calls = std::make_shared<FaultyCalls>();
        CriticalStore store = Store(calls);
        before(store);
        calls->Calls.clear();
        traced(store);
        return calls;
    }
    // One row of the table this test prints: a call, the copy it serves, what was tried.
    void Count(const std::string& stage, const FaultyCalls::Call& call, Outcome outcome) {
        const std::string copy = call.Path.find(".second") != std::string::npos   ? "second"
                                 : call.Path.find("records") != std::string::npos ? "first"
                                                                                  : "folder";
        table[stage + ": " + call.Kind + " (" + copy + ")"].insert(OutcomeName(outcome));
        ++cases;
    }
    static std::vector<Outcome> OutcomesOf(const std::string& kind) {
        if (kind == "write" || kind == "read") {
            return {Outcome::Error, Outcome::Short, Outcome::Crash};
        }
        return {Outcome::Error, Outcome::Crash};
    }

    QTemporaryDir scratch;
    QString dirPath = scratch.filePath(QStringLiteral("store"));
    std::string path = (dirPath + QStringLiteral("/records")).toStdString();
    std::string copy2 = path + CriticalStore::SecondSuffix;
    std::vector<std::string> told;
    std::map<std::string, std::set<std::string>> table;
    int cases = 0;

    ~CriticalStoreFaultTest() override {
        for (const auto& [point, outcomes] : table) {
            std::cout << "  " << point << ":";
            for (const std::string& outcome : outcomes) {
                std::cout << ' ' << outcome;
            }
            std::cout << '\n';
        }
        std::cout << table.size() << " injection points, " << cases << " cases\n";
    }
};

// Calls whose failure loses nothing yet: clearing an old temporary file, asking whether the
// folder is there, closing a folder already flushed; a short write is simply written on.
bool Harmless(const FaultyCalls::Call& call, Outcome outcome) {
    return outcome == Outcome::Short || call.Kind == "unlink" || call.Kind == "access" ||
           call.Kind == "close folder";
}

TEST_F(CriticalStoreFaultTest, ASaveFaultedAtAnyCallKeepsOneWholeRecordAndSaysTheTruth) {
    Prepare(1, 1);
    const auto trace = Trace([](CriticalStore& store) { store.Load(); },
                             [](CriticalStore& store) { store.Save(Credit(200)); });
    ASSERT_GE(trace->Calls.size(), 14u);
    for (std::size_t k = 0; k < trace->Calls.size(); ++k) {
        const FaultyCalls::Call& call = trace->Calls[k];
        for (const Outcome outcome : OutcomesOf(call.Kind)) {
            SCOPED_TRACE("save, call " + std::to_string(k) + " " + call.Kind + " " + call.Path +
                         ", " + OutcomeName(outcome));
            Prepare(1, 1);
            auto calls = std::make_shared<FaultyCalls>();
            CriticalStore store = Store(calls);
            ASSERT_TRUE(store.Load().Records.has_value());
            calls->Calls.clear();
            calls->FaultAt = static_cast<int>(k);
            calls->What = outcome;
            const bool saved = store.Save(Credit(200));
            ASSERT_TRUE(calls->Hit);
            Count("save", call, outcome);

            // Whatever happened, a fresh run finds the newest whole record on the disk.
            const auto first = OnDisk(path);
            const auto second = OnDisk(copy2);
            const bool newOnDisk =
                (first && first->Sequence == 2) || (second && second->Sequence == 2);
            const CriticalLoad replay = Store(std::make_shared<FaultyCalls>()).Load();
            ASSERT_TRUE(replay.Records.has_value());
            EXPECT_EQ(*replay.Records, newOnDisk ? Credit(200) : Credit(100));
            EXPECT_TRUE(replay.Messages.empty());

            if (outcome == Outcome::Crash) {
                continue;  // the process is gone; what counts is the replay above
            }
            EXPECT_EQ(saved, Harmless(call, outcome));
            if (saved) {
                EXPECT_TRUE(told.empty());
                EXPECT_TRUE(first && second && first->Sequence == 2 && second->Sequence == 2);
                continue;
            }
            ASSERT_EQ(told.size(), 1u);
            EXPECT_EQ(told[0].rfind("The game's records could not be saved to " + path + ": ", 0),
                      0u)
                << told[0];
            EXPECT_NE(told[0].find(std::strerror(EIO)), std::string::npos) << told[0];
            // The next save, the fault gone, stores the change and says so.
            calls->FaultAt = -1;
            EXPECT_TRUE(store.Save(Credit(300)));
            ASSERT_EQ(told.size(), 2u);
            EXPECT_EQ(*Store(std::make_shared<FaultyCalls>()).Load().Records, Credit(300));
        }
    }
}

// The first copy one save ahead of the second, as a crash between the two leaves them.
TEST_F(CriticalStoreFaultTest, ALoadFaultedAtAnyCallGivesTheNewestReadableCopyAndNamesTheOther) {
    Prepare(3, 2);
    const auto trace = Trace([](CriticalStore&) {}, [](CriticalStore& store) { store.Load(); });
    for (std::size_t k = 0; k < trace->Calls.size(); ++k) {
        const FaultyCalls::Call& call = trace->Calls[k];
        for (const Outcome outcome : OutcomesOf(call.Kind)) {
            SCOPED_TRACE("load, call " + std::to_string(k) + " " + call.Kind + " " + call.Path +
                         ", " + OutcomeName(outcome));
            Prepare(3, 2);
            auto calls = std::make_shared<FaultyCalls>();
            calls->FaultAt = static_cast<int>(k);
            calls->What = outcome;
            CriticalStore store = Store(calls);
            const CriticalLoad load = store.Load();
            ASSERT_TRUE(calls->Hit);
            Count("load", call, outcome);
            if (outcome == Outcome::Crash) {
                const CriticalLoad replay = Store(std::make_shared<FaultyCalls>()).Load();
                ASSERT_TRUE(replay.Records.has_value());
                EXPECT_TRUE(*replay.Records == Credit(300) || *replay.Records == Credit(200));
                continue;
            }
            // A copy that could not be read is named and the other one used.
            const bool lostFirst =
                outcome == Outcome::Error && call.Path == path && call.Kind != "close file";
            const bool lostSecond =
                outcome == Outcome::Error && call.Path == copy2 && call.Kind != "close file";
            ASSERT_TRUE(load.Records.has_value());
            EXPECT_EQ(*load.Records, lostFirst ? Credit(200) : Credit(300));
            ASSERT_EQ(load.Messages.size(), lostFirst || lostSecond ? 1u : 0u);
            if (!load.Messages.empty()) {
                const std::string& used = lostFirst ? copy2 : path;
                EXPECT_EQ(load.Messages[0].rfind("The record file " + (lostFirst ? path : copy2) +
                                                     " could not be used (" + std::strerror(EIO),
                                                 0),
                          0u)
                    << load.Messages[0];
                EXPECT_NE(load.Messages[0].find(" in " + used + " was used."), std::string::npos)
                    << load.Messages[0];
            }
            // Play goes on from the record used, and the line of saves above every copy.
            calls->FaultAt = -1;
            EXPECT_TRUE(store.Save(Credit(900)));
            const CriticalLoad next = Store(std::make_shared<FaultyCalls>()).Load();
            EXPECT_EQ(*next.Records, Credit(900));
            EXPECT_TRUE(next.Messages.empty());
        }
    }
}

// A full disk, a read-only folder and a folder of another user, as the whole store meets
// them: every call of one kind refuses with the system's own reason, save after save.
TEST_F(CriticalStoreFaultTest, AStoreThatCannotWriteFailsEverySaveWithTheSystemsReason) {
    const std::vector<std::pair<int, std::string>> faults{
        {ENOSPC, "write"}, {EROFS, "open new"}, {EACCES, "open new"}, {EACCES, "rename"}};
    for (const auto& [error, kind] : faults) {
        SCOPED_TRACE(kind + ": " + std::strerror(error));
        Prepare(1, 1);
        auto calls = std::make_shared<FaultyCalls>();
        CriticalStore store = Store(calls);
        ASSERT_EQ(*store.Load().Records, Credit(100));
        calls->Errno = error;
        calls->Refuse = kind;
        EXPECT_FALSE(store.Save(Credit(200)));
        EXPECT_FALSE(store.Save(Credit(300)));
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0], "The game's records could not be saved to " + path + ": " +
                               std::strerror(error) +
                               "; play goes on and every change is tried again.");
        EXPECT_EQ(*Store(std::make_shared<FaultyCalls>()).Load().Records, Credit(100));
        EXPECT_EQ(QDir(dirPath).entryList(QDir::Files).size(), 2);  // no temporary file left
        calls->Refuse.clear();
        EXPECT_TRUE(store.Save(Credit(500)));
        EXPECT_EQ(told.back(), "The game's records are saved again to " + path + ".");
        EXPECT_EQ(*Store(std::make_shared<FaultyCalls>()).Load().Records, Credit(500));
    }
}

}  // namespace
}  // namespace orvane::test
