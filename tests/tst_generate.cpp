#include <QTest>

class Tst_generate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(Tst_generate)
#include "tst_generate.moc"
