#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

namespace orvane {

// One running copy per user. Two copies would each keep their own credit and the last one
// to save would wipe out what the other played, so the first copy holds a lock beside the
// settings store for as long as it runs, and any later start asks it to come forward and
// ends without touching the store.
//
// The lock is a QLockFile: a copy that was killed leaves its file behind, and the next
// start takes it over once the process named in it (by pid, host and program) is gone.
// A lock is never taken over for its age alone: a game may run for days. QLockFile cannot
// take over a lock it cannot open for writing (another user's) or when it cannot make its
// own helper file beside it (a full disk); a lock whose copy has ended is then removed
// here, and if even that fails the game runs unguarded and says why.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Claim {
        First,               // the lock is ours; this copy runs
        OtherCameForward,    // another copy runs and has come forward; this one ends
        OtherDoesNotAnswer,  // another copy holds the lock but did not answer; this one ends
        Unguarded,           // no lock can be made there (read-only folder): runs unguarded
        StaleLockKept,       // a lock left by a copy that has ended cannot be replaced
                             // (StaleFailure says why): runs unguarded
    };

    // The lock file's path; the folder is made when missing.
    explicit SingleInstance(const QString& lockPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock, or asks its holder to come forward and waits up to answerWait for
    // its answer (the holder may still be starting, before its event loop runs).
    Claim Take(std::chrono::milliseconds answerWait = std::chrono::seconds(10));

    QString LockPath() const { return lockPath_; }
    // The system's reason a stale lock could not be replaced.
    QString StaleFailure() const { return staleFailure_; }

    // Gives the lock and the listening socket up before the process ends by exit(), where
    // this object's destructor never runs (a lost display): the next start then finds the
    // place free instead of taking over what a dead copy left.
    void Release();

    // The lock beside the player's own settings store.
    static QString DefaultLockPath();
    // The per-user name the holder listens on: derived from the lock's path, so a copy
    // run on another store (a test, a portable copy) never meets this one.
    static QString ServerNameFor(const QString& lockPath);

  signals:
    // Another start asked this copy to come to the front.
    void ComeForwardRequested();

  private:
    void Listen();
    void Answer();
    bool AskHolderToComeForward(std::chrono::milliseconds answerWait) const;
    std::optional<Claim> TryLock();
    bool HolderHasEnded();
    Claim ReplaceStaleLock();

    QString lockPath_;
    QLockFile lock_;
    QLocalServer server_;
    QString staleFailure_;
};

}  // namespace orvane
