#pragma once

#include <QListWidget>
#include <QStringList>

namespace orvane {

// A list box drawn flat: dark well, thin rim, yellow items, the chosen item in reverse
// (dark green on yellow) so it reads at a glance, focused or not.
//
// ItemIndex is the chosen position. It may be set past either end of the list (a stored
// choice the list does not offer); the list then shows no item chosen and ItemIndex keeps
// the position until the owner or the player chooses again.
class TFlatListBox : public QListWidget {
    Q_OBJECT
  public:
    static constexpr int ItemHeight = 15;

    TFlatListBox(const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int position);

  protected:
    // Like the list boxes of old, a choice once made stays made: a click on empty space or
    // a Ctrl-click on the chosen item keeps it instead of leaving the list without one.
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  signals:
    // The player chose an item, by pointer or keys; not sent for SetItemIndex.
    void Click();

  private:
    void OnCurrentRowChanged(int row);

    int itemIndex_ = -1;
    bool settingIndex_ = false;
};

}  // namespace orvane
