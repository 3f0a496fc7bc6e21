// The window on a screen of twice the usual density (QT_SCALE_FACTOR=2, set by
// the test's environment): every control keeps its logical place and size and
// is drawn at twice as many device pixels, nothing reaches outside its parent,
// and the pictures are drawn from their vector sources at the device's
// resolution rather than blown up.

#include "../main_window/window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

constexpr qreal scale = 2.0;

// A rectangle in twips as device pixels at the scale factor.
QRect device_rect(int left, int top, int width, int height) {
    return QRect(QPoint(left, top) / 15 * scale, QSize(width, height) / 15 * scale);
}

QRect in_device_pixels(const QRect& logical) {
    return QRect(logical.topLeft() * scale, logical.size() * scale);
}

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

struct Place {
    const char* name;
    QRect device; // relative to the parent, in device pixels
};

class ControlAtScale2 : public ScaledWindow, public testing::WithParamInterface<Place> {};

TEST_P(ControlAtScale2, StandsAndDrawsAtTwiceItsLogicalSize) {
    QWidget* w = h.control(GetParam().name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(in_device_pixels(w->geometry()), GetParam().device);
    const QPixmap drawn = w->grab();
    EXPECT_EQ(drawn.size(), GetParam().device.size());
    EXPECT_EQ(drawn.devicePixelRatio(), scale);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ControlAtScale2,
    testing::Values(Place{"quick_help", device_rect(120, 0, 11655, 855)},
                    Place{"lbl_help", device_rect(120, 360, 11295, 375)},
                    Place{"Frame2", device_rect(6000, 960, 2775, 855)},
                    Place{"txt_item_cost", device_rect(120, 360, 2655, 375)},
                    Place{"cmb_start_price", device_rect(120, 360, 2535, 360)},
                    Place{"combo_num_pics", device_rect(2280, 360, 975, 315)},
                    Place{"chk_pic_pack", device_rect(240, 1560, 1935, 375)},
                    Place{"chk_hfeatured", device_rect(4800, 1080, 2415, 375)},
                    Place{"Line2", device_rect(4560, 360, 15, 1560)},
                    Place{"fr_costs", device_rect(120, 5040, 11655, 1935)},
                    Place{"Label8", device_rect(4080, 360, 2175, 375)},
                    Place{"txt_profit_margin", device_rect(10080, 1320, 1335, 375)},
                    Place{"chk_paypal", device_rect(7560, 480, 495, 255)},
                    Place{"cmd_clear", device_rect(6960, 7200, 4815, 495)}),
    [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

TEST_F(ScaledWindow, TheClientAreaIsTwiceItsLogicalSizeAndHoldsEveryControl) {
    QWidget* surface = h.window().centralWidget();
    EXPECT_EQ(in_device_pixels(surface->rect()).size(), device_rect(0, 0, 11910, 7815).size());

    const QPixmap shot = h.window().grab();
    EXPECT_EQ(shot.size(), h.window().size() * scale);

    for (QWidget* w : surface->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(surface))
            continue; // the inner parts of a control
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << w->objectName().toStdString() << " reaches outside its parent";
    }
}

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
    EXPECT_EQ(in_device_pixels(about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->geometry()),
              device_rect(2400, 3480, 1260, 345));
    about->close();
}

} // namespace
} // namespace quillet::test
