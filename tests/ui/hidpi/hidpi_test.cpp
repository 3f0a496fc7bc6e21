// The window on a screen of twice the usual density (QT_SCALE_FACTOR=2, set by
// the test's environment): it is drawn at twice as many device pixels, and the
// pictures are drawn from their vector sources at the device's resolution
// rather than blown up.

#include "../main_window/window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

constexpr qreal scale = 2.0;

QImage svg_image(const QString& resource, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(resource).render(&painter);
    return image;
}

QImage image_of(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class ScaledWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(h.window().devicePixelRatioF(), scale)
            << "run through ctest, which sets QT_SCALE_FACTOR=2";
    }

    WindowHarness h;
};

TEST_F(ScaledWindow, TheWindowIconIsDrawnAtDeviceResolution) {
    for (const int side : {16, 32}) {
        const QPixmap icon = h.window().windowIcon().pixmap(QSize(side, side), scale);
        ASSERT_EQ(icon.size(), QSize(side, side) * scale) << side;
        EXPECT_EQ(icon.devicePixelRatio(), scale) << side;
        EXPECT_EQ(image_of(icon),
                  svg_image(QStringLiteral(":/quillet/quillet.svg"), QSize(side, side) * scale))
            << side << " px is not drawn from the vector picture";
    }
}

TEST_F(ScaledWindow, TheAboutPictureIsDrawnAtDeviceResolution) {
    QDialog* about = h.open_about();
    ASSERT_NE(about, nullptr);
    auto* picture = about->findChild<QLabel*>(QStringLiteral("picIcon"));
    ASSERT_NE(picture, nullptr);
    const QPixmap shown = picture->pixmap();
    EXPECT_EQ(shown.size(), QSize(100, 100) * scale);
    EXPECT_EQ(shown.devicePixelRatio(), scale);
    EXPECT_EQ(image_of(shown),
              svg_image(QStringLiteral(":/quillet/calculator.svg"), QSize(100, 100) * scale));
    about->close();
}

} // namespace
} // namespace quillet::test
