#include "tree/librarytree.h"

#include <QHash>
#include <QHeaderView>

#include "model/nodetable.h"
#include "model/text.h"
#include "panels/rowdelegate.h"

LibraryTree::LibraryTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    // Long function names scroll sideways rather than being cut short with an ellipsis.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setTextElideMode(Qt::ElideNone);
    setUniformRowHeights(true);
    setItemDelegate(new RowDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Qt 6.4's accessible tree items, when rows are selected whole, select the row numbered as
    // the item is among its siblings, which is another node; with one column it is all the same.
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { Q_EMIT nodeClicked(keyOf(item)); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item)
            Q_EMIT nodeClicked(keyOf(item));
    });
    // Assistive technology selects a node without making it current. Take it as a click, which
    // also makes the node current, so that the arrow keys go on from there.
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> selected = selectedItems();
        if (selected.size() != 1)
            return;
        setCurrentItem(selected.front(), 0, QItemSelectionModel::NoUpdate);
        Q_EMIT nodeClicked(keyOf(selected.front()));
    });
}

QString LibraryTree::keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

QTreeWidgetItem *LibraryTree::itemForKey(QStringView key) const
{
    for (QTreeWidgetItemIterator it(const_cast<LibraryTree *>(this)); *it; ++it) {
        if (keyOf(*it) == key)
            return *it;
    }
    return nullptr;
}

void BuildTree::FillLibraryTree(QTreeWidget &tree)
{
    QHash<QString, QTreeWidgetItem *> byKey;
    for (const NodeSpec &node : kLibraryNodes) {
        const QString key = qs(node.key);
        auto *item = node.parent.empty() ? new QTreeWidgetItem(&tree)
                                         : new QTreeWidgetItem(byKey.value(qs(node.parent)));
        item->setText(0, qs(node.text));
        item->setData(0, Qt::UserRole, key);
        byKey.insert(key, item);
    }
}
