#include "app/presetlist.h"

#include <QAbstractItemView>
#include <QStylePainter>
#include <algorithm>

#include "app/fixedrowdelegate.h"
#include "app/presetitemmodel.h"

TPresetList::TPresetList(QComboBox& box) : box_(box), items_(new TPresetItemModel(&box)) {
    box_.setModel(items_);
    picked_ = QObject::connect(&box_, &QComboBox::activated, &box_, [this](int) {
        if (OnSelect) OnSelect();
    });
}

// The combo box may outlive its adapter.
TPresetList::~TPresetList() {
    QObject::disconnect(picked_);
}

void TPresetList::ClearItems() {
    box_.clear();
}

void TPresetList::AddItem(const std::string& text) {
    AddItems({text});
}

void TPresetList::AddItems(std::vector<std::string> texts) {
    // QComboBox selects the first item added to an empty list; a list keeps "nothing selected".
    const bool noneSelected = box_.currentIndex() < 0;
    items_->Append(std::move(texts));
    if (noneSelected) box_.setCurrentIndex(-1);
}

int TPresetList::ItemCount() const {
    return box_.count();
}

int TPresetList::ItemIndex() const {
    return box_.currentIndex();
}

void TPresetList::SetItemIndex(int index) {
    box_.setCurrentIndex(index < box_.count() ? index : -1);
}

TPresetListBox::TPresetListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
}

void TPresetListBox::showPopup() {
    if (!rowLookGiven_) {
        setItemDelegate(new TFixedRowDelegate(this));
        view()->setTextElideMode(Qt::ElideRight);
        rowLookGiven_ = true;
    }
    QComboBox::showPopup();
}

// As QComboBox paints itself, with the name elided where the style would cut it off.
void TPresetListBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // The label is drawn one pixel inside the edit field on either side.
    const int room =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 2;
    // Fractional advances can make a name that fits to the pixel count as too long: only a name wider
    // than the room in whole pixels is elided.
    if (option.fontMetrics.horizontalAdvance(option.currentText) > room)
        option.currentText = option.fontMetrics.elidedText(option.currentText, Qt::ElideRight, room);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
