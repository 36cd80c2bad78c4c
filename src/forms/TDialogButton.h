#pragma once

#include <QAbstractButton>
#include <QColor>

namespace orvane {

// The picture buttons of the dialogs: a word on a rounded, lit bar. Drawn rather than
// loaded, so the lettering stays sharp at any screen scale and no file can go missing.
class TDialogButton : public QAbstractButton {
    Q_OBJECT
  public:
    enum class Face {
        Orange,  // the usual dialog button: dark lettering on an orange bar
        Green,   // the options dialog: yellow lettering on a green bar
    };

    TDialogButton(const QString& word, Face face, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {100, 20}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // A dialog that hides under the pointer gets no leave: the next showing starts unlit.
    void hideEvent(QHideEvent* event) override;

  private:
    Face face_;
    bool hover_ = false;
};

}  // namespace orvane
