#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace orvane {

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the event loop, so that a stop from
// the desktop's session, a closed terminal or a service manager ends the game through its
// normal close (credit kept, store saved) instead of killing it mid-write.
//
// A signal handler may do almost nothing, so it only writes the signal's number into a
// pipe; the event loop reads the pipe and emits ExitRequested between events. The same
// signal sent a second time is no longer caught and ends the program at once, as a way out
// of a close that hangs. One object at a time: while it lives, it owns these signals.
class ExitSignals : public QObject {
    Q_OBJECT
  public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // Whether the handlers are in place (not on platforms without these signals).
    bool Active() const { return notifier_ != nullptr; }

  signals:
    void ExitRequested(int signal);

  private:
    void ReadPipe();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace orvane
