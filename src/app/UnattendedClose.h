#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace orvane {

// Ends the program through the main window's own close when nobody may be there to answer
// (a stop signal, a lost display): open modal dialogs are closed first, as Cancel, then
// the window is told to close without its exit question, and its close keeps the credit
// and saves the store as it always does. A table action that is still running finishes
// first; the window closes as soon as it is done.
class UnattendedClose : public QObject {
    Q_OBJECT
  public:
    // quiet: makes the window's next close ask nothing and show no dialog (the
    // quick exit); it is called just before the window is closed.
    explicit UnattendedClose(std::function<void()> quiet, QObject* parent = nullptr);

    // The window to close; a request made before it exists waits for it.
    void SetWindow(QWidget* window);

    // Starts the close; further requests while it runs change nothing.
    void Request();

    bool Requested() const { return requested_; }

  private:
    void Step();
    void CloseNow();

    std::function<void()> quiet_;
    QPointer<QWidget> window_;
    bool requested_ = false;
    bool closing_ = false;
    int dialogsClosed_ = 0;
};

}  // namespace orvane
