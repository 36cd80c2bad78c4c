#include "TFlatListBox.h"

#include "FlatLook.h"

namespace orvane {

namespace {

QString ListStyle() {
    using namespace FlatLook;
    return QStringLiteral(
               "QListWidget { background: %1; color: %2; border: 1px solid %3; padding: 1px;"
               " outline: 0; }"
               "QListWidget:focus { border: 2px solid %2; padding: 0px; }"
               "QListWidget::item { height: %6px; padding-left: 3px; border: none; }"
               "QListWidget::item:hover:!selected { background: %4; }"
               "QListWidget::item:selected { background: %2; color: %5; }")
        .arg(CssRgb(WellGreen), CssRgb(Yellow), CssRgb(Rim), CssRgb(HoverGreen),
             CssRgb(DialogGreen))
        .arg(TFlatListBox::ItemHeight);
}

}  // namespace

TFlatListBox::TFlatListBox(const QStringList& items, QWidget* parent) : QListWidget(parent) {
    addItems(items);
    setStyleSheet(ListStyle());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    setMouseTracking(true);
    connect(this, &QListWidget::currentRowChanged, this, &TFlatListBox::OnCurrentRowChanged);
}

void TFlatListBox::SetItemIndex(int position) {
    itemIndex_ = position;
    settingIndex_ = true;
    if (position >= 0 && position < count()) {
        setCurrentRow(position);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
    settingIndex_ = false;
}

QItemSelectionModel::SelectionFlags TFlatListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent*) const {
    if (!index.isValid()) {
        return QItemSelectionModel::NoUpdate;
    }
    return QItemSelectionModel::ClearAndSelect;
}

void TFlatListBox::OnCurrentRowChanged(int row) {
    if (settingIndex_ || row < 0) {
        return;
    }
    itemIndex_ = row;
    emit Click();
}

}  // namespace orvane
