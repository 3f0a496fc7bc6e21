// The window and the About dialog with a larger desktop font setting and no
// screen scaling (QT_FONT_DPI=144, QT_ENABLE_HIGHDPI_SCALING=0, set by the
// test's environment): their geometry grows with the fonts, so every caption
// still fits inside its control, every frame's caption stays above what the
// frame holds, and every control stays inside its frame.

#include "../main_window/window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace quillet::test {
namespace {

constexpr int dpi = 144;

// Where a control's caption is drawn, or an empty rectangle if it has none.
QRect caption_room(QWidget* w) {
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w);
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
    }
    if (qobject_cast<QLabel*>(w))
        return static_cast<QLabel*>(w)->contentsRect();
    return {};
}

QString caption(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return {};
}

// Where a caption's pixels fall: a wrapping label's lines as laid out in its
// room; a single line from the left of its room to its last glyph's right
// edge, as the control's edge cuts off pixels, not advances.
QRect drawn(QWidget* w, const QRect& room) {
    const QFontMetrics metrics = w->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
        return metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                    caption(w));
    const QRect ink = metrics.boundingRect(caption(w));
    return QRect(room.left(), room.top(), ink.right() + 1, metrics.height());
}

// The controls of a window, not their inner parts (which have no name).
QList<QWidget*> controls_of(QWidget* top) {
    QList<QWidget*> out;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && w->isVisibleTo(top))
            out.append(w);
    return out;
}

void expect_everything_fits(QWidget* top) {
    for (QWidget* w : controls_of(top)) {
        const std::string name = w->objectName().toStdString();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << name << " reaches outside its parent";

        if (!caption(w).isEmpty()) {
            const QRect pixels = drawn(w, caption_room(w));
            EXPECT_TRUE(w->contentsRect().contains(pixels))
                << name << ": \"" << caption(w).toStdString() << "\" needs " << pixels.width()
                << " x " << pixels.height() << " px from " << pixels.left() << ", " << pixels.top()
                << " in " << w->width() << " x " << w->height();
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->pixmap().isNull()) {
            const QSize picture = label->pixmap().deviceIndependentSize().toSize();
            const QSize box = label->contentsRect().size();
            EXPECT_TRUE(picture.width() <= box.width() && picture.height() <= box.height())
                << name << "'s picture is larger than its box";
        }
        if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width())
                << name << "'s caption is wider than the frame";
            int top_of_contents = frame->height();
            for (QWidget* inside : controls_of(frame))
                top_of_contents = std::min(top_of_contents, inside->y());
            EXPECT_LE(frame->fontMetrics().height(), top_of_contents)
                << name << "'s caption runs into what the frame holds";
        }
    }
}

TEST(FontDpi144, EveryCaptionFitsAndEveryControlStaysInItsFrame) {
    WindowHarness h;
    ASSERT_EQ(h.window().logicalDpiY(), dpi)
        << "run through ctest, which sets QT_FONT_DPI=144 and QT_ENABLE_HIGHDPI_SCALING=0";
    ASSERT_EQ(h.window().devicePixelRatioF(), 1.0);
    // Fonts keep their point sizes: the texts are half as large again as at 96 DPI.
    ASSERT_EQ(h.control("Label1")->fontInfo().pixelSize(), qRound(9.75 * dpi / 72));

    expect_everything_fits(h.window().controls().surface);

    QDialog* about = h.open_about();
    ASSERT_NE(about, nullptr);
    expect_everything_fits(about);
    about->close();
}

} // namespace
} // namespace quillet::test
