#pragma once

#include <cstdint>
#include <functional>

#include "TFormZQ.h"

class QLabel;
class QLineEdit;

namespace orvane {

class TDialogButton;

// Where the player puts coins on the machine. Created once and shown on request; every
// coin reaches the table at once through the main window's AddCredit, and the dialog
// shows the credit the main window reports afterwards, so the two never disagree.
class TfrmAddCredit : public TFormZQ {
    Q_OBJECT
  public:
    static constexpr QSize Content{359, 130};
    // lblCredit grows to the left from here, however many digits the credit has.
    static constexpr int CreditRightEdge = 217;

    using CreditReader = std::function<std::int32_t()>;
    // Adds a number of credits and counts them as credit put in.
    using CreditAdder = std::function<void(std::int32_t amount)>;

    TfrmAddCredit(CreditReader credit, CreditAdder addCredit, QWidget* parent = nullptr);

    // Centres the dialog over its parent's window and shows it modally.
    void ShowModal();

    void FormShow();
    void btnCoin100Click() { AddCoin(100); }
    void btnCoin1000Click() { AddCoin(1000); }
    void btnCloseClick() { Finish(DialogResult::Cancel); }
    // The custom amount: the field's text as a decimal whole number above zero. Anything
    // else throws, and the application's error handler tells the player.
    void btnAddCustomClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void AddCoin(std::int32_t amount);
    void ShowCredit();
    void PlaceCredit();

    CreditReader credit_;
    CreditAdder addCredit_;
    QLabel* lblCredit_ = nullptr;
    QLineEdit* edtAddCredit_ = nullptr;
};

}  // namespace orvane
