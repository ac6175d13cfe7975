// List rows 12 pixels high, as the window's lists have them, instead of the style's taller rows.
#pragma once

#include <QStyledItemDelegate>
#include <algorithm>

// A substitute font that needs a pixel more gets it, so no descender is cut.
class TFixedRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                std::max(12, option.fontMetrics.height())};
    }
};
