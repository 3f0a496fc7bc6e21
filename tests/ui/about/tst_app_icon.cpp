#include <QApplication>
#include <QSvgRenderer>
#include <QTest>

class AppIconTest : public QObject {
    Q_OBJECT

private slots:
    void pictures_load_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("calculator") << ":/quillet/calculator.svg" << QSize(100, 100);
        QTest::newRow("window icon") << ":/quillet/quillet.svg" << QSize(32, 32);
    }

    void pictures_load() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        const QSvgRenderer renderer(resource);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
    }
};

QTEST_MAIN(AppIconTest)
#include "tst_app_icon.moc"
