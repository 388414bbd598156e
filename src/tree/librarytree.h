// The library tree: the view and its fill from kLibraryNodes.
//
// A node's key travels with its item (Qt::UserRole). The view reports a node click for a mouse
// click and also when the keyboard moves the current node, as the tree controls of the desktops
// this tool grew up on do, or when assistive technology selects a node; the window's
// TreeView_NodeClick then brings the node's panel to the front.
#pragma once

#include <QTreeWidget>

class LibraryTree final : public QTreeWidget {
    Q_OBJECT
public:
    explicit LibraryTree(QWidget *parent = nullptr);

    static QString keyOf(const QTreeWidgetItem *item);
    QTreeWidgetItem *itemForKey(QStringView key) const;

Q_SIGNALS:
    void nodeClicked(const QString &key);
};

namespace BuildTree {
// Adds the nodes in table order to an empty tree; expands and selects nothing.
void FillLibraryTree(QTreeWidget &tree);
} // namespace BuildTree
