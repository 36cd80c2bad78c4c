#pragma once

#include <QApplication>

namespace orvane {

// The application object with the program's one error handler: an error that escapes an
// event handler is shown as "Fatal error ! " and its message, and the program goes on.
// The table's input gate is reopened by the table's own guard as the error leaves it.
class TApplication : public QApplication {
    Q_OBJECT
  public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orvane
