#pragma once

#include <QString>
#include <functional>

class QObject;

namespace orvane {

// Notices that may come from inside a table event, shown once the event is over. A round
// a restart finished stays on the table until its notices are read.
class LaterNotices {
  public:
    // inform shows a notice and returns once it is read; allRead follows the last one.
    LaterNotices(QObject& context, std::function<void(const QString&)> inform,
                 std::function<void()> allRead);

    void Tell(const QString& text);
    bool Pending() const { return pending_ > 0; }

  private:
    QObject& context_;
    std::function<void(const QString&)> inform_;
    std::function<void()> allRead_;
    int pending_ = 0;  // told but not yet read
};

}  // namespace orvane
