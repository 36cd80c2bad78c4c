#pragma once

#include "TFormZQ.h"

class QLabel;
class QPlainTextEdit;

namespace orvane {

class TDialogButton;

// The about box: the product banner, the version, the maker and the licence. Made for one
// showing and thrown away after it; Enter and Escape close it as well as its button.
class TfrmAbout : public TFormZQ {
    Q_OBJECT
  public:
    static constexpr QSize Content{513, 271};

    // programFolder: where "Data/gfx/flash.png", the banner, is found.
    TfrmAbout(QWidget* parent, const QString& programFolder);

    // Centres the box on the screen of its parent's window and shows it modally.
    void ShowModal();

    void btnCloseClick() { Finish(DialogResult::Ok); }

  private:
    void AddBanner(const QString& programFolder);
    void AddTexts();

    QLabel* fcImager1_ = nullptr;
    QPlainTextEdit* Memo1_ = nullptr;
    TDialogButton* btnClose_ = nullptr;
};

}  // namespace orvane
