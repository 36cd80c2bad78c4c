#pragma once

#include <QColor>
#include "THoverButton.h"

namespace orvane {

// The picture buttons of the dialogs: a word on a rounded, lit bar. Drawn rather than
// loaded, so the lettering stays sharp at any screen scale and no file can go missing.
class TDialogButton : public THoverButton {
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

  private:
    Face face_;
};

}  // namespace orvane
