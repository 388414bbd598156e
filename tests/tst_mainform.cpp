#include <QTest>

class Tst_mainform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(Tst_mainform)
#include "tst_mainform.moc"
