#include "ui/common/app_icon.h"

#include <QApplication>
#include <QSvgRenderer>
#include <QTest>

using quillet::ui::quillet_window_icon;

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

    void offers_16_and_32_pixels() {
        const QIcon icon = quillet_window_icon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void renders_at_any_size_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("16 px") << 16 << 1.0;
        QTest::newRow("32 px") << 32 << 1.0;
        QTest::newRow("32 px at ratio 2") << 32 << 2.0;
        QTest::newRow("256 px") << 256 << 1.0;
    }

    void renders_at_any_size() {
        QFETCH(int, side);
        QFETCH(qreal, ratio);
        const QPixmap pixmap = quillet_window_icon().pixmap(QSize(side, side), ratio);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), QSize(side, side) * ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QVERIFY2(pixmap.hasAlphaChannel(), "the picture's surroundings must stay transparent");
    }
};

QTEST_MAIN(AppIconTest)
#include "tst_app_icon.moc"
