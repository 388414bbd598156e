#include <QTest>

class Tst_generators : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(Tst_generators)
#include "tst_generators.moc"
