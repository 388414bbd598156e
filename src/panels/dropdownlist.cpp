#include "panels/dropdownlist.h"

#include <QAbstractItemView>
#include <QScrollBar>

#include "panels/rowdelegate.h"

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{
    setItemDelegate(new RowDelegate(this));
}

void DropDownList::showPopup()
{
    // An editable list drops down only as wide as its field; widen it to the longest item.
    QAbstractItemView *items = view();
    int width = items->sizeHintForColumn(0) + 2 * items->frameWidth();
    if (count() > maxVisibleItems())
        width += items->verticalScrollBar()->sizeHint().width();
    items->setMinimumWidth(width);
    QComboBox::showPopup();
}
