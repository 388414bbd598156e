// Rows of the item views (the library tree, the lists' popups) with room around their text. Qt
// sizes rows to the font's height, which in AR PL UMing leaves the underscores of "ADC_DeInit"
// below the row and lets the glyphs of neighbouring rows touch.
#pragma once

#include <algorithm>

#include <QStyledItemDelegate>

class RowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};
