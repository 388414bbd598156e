#include <QTest>

class Tst_tree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(Tst_tree)
#include "tst_tree.moc"
