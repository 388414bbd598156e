#include <QTest>

class Tst_panels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(Tst_panels)
#include "tst_panels.moc"
