// The figures and the texts around them, figures out of date too, and every
// text of the About dialog, read at 4.5:1 or more, and every kind of control,
// the tables of Compare and Fee Details too, stands out from what is around it
// at 3:1 or more, measured in the pixels the windows draw: in the default
// palette, and in a dark one the application switches to while they are open.

#include "window_test_support.h"

#include "tools/dark_palette/dark_palette.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/window_colours.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quillet::test {
namespace {

// WCAG 2 relative luminance and contrast, worked out here on their own so
// that a slip in the window's arithmetic cannot hide one in the measure.
double luminance(QRgb c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Measure {
    QRgb background; // the region's commonest colour
    double contrast; // of the pixel that stands out most against it
};

// Anti-aliased edges only blend the text's colour with the background, so the
// pixel that stands out most is the text's own colour, or nearest to it.
Measure measure(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y)];
    Measure m{counts.begin().key(), 1.0};
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts[m.background])
            m.background = it.key();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        m.contrast = std::max(m.contrast, contrast(it.key(), m.background));
    return m;
}

enum class Part {
    inside_frame, // a field's text, within its frame
    whole,        // a label
    caption,      // a frame's caption, in the strip above its box
};

struct Text {
    QWidget* widget;
    Part part;
};

// Every figure, and one of each other kind of text.
QList<Text> texts(const WindowHarness& h) {
    const ui::Controls& c = h.window().controls();
    QList<Text> out;
    for (const ui::ResultRow& row : ui::results)
        out.append({c.*row.widget, Part::inside_frame});
    out.append({{c.txt_end_price, Part::inside_frame},
                {c.lbl_help, Part::whole},
                {c.Label3, Part::whole},
                {c.Label1, Part::whole},
                {c.fr_costs, Part::caption},
                {c.quick_help, Part::caption}});
    return out;
}

// Where a text is drawn, in the window's pixels.
QRect region(const Text& t) {
    QWidget* w = t.widget;
    QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    switch (t.part) {
    case Part::inside_frame: {
        const int inset = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w) + 1;
        return r.adjusted(inset, inset, -inset, -inset);
    }
    case Part::caption:
        r.setHeight(w->fontMetrics().height());
        return r;
    case Part::whole:
        break;
    }
    return r;
}

class RestorePalette {
public:
    ~RestorePalette() { QApplication::setPalette(saved_); }

private:
    QPalette saved_ = QApplication::palette();
};

TEST(Colours, TextsAndFiguresReadInTheDefaultAndADarkPalette) {
    WindowHarness h;
    RestorePalette restore;
    h.type_the_worked_example();
    h.click("cmd_calc");
    h.hover("txt_end_price");
    ASSERT_EQ(h.text("txt_profit"), QStringLiteral("5.39"));
    ASSERT_FALSE(h.text("lbl_help").isEmpty());

    for (const bool dark : {false, true}) {
        if (dark) {
            QApplication::setPalette(ui::dark_palette());
            WindowHarness::settle();
        }
        const QImage shot = h.window().grab().toImage();
        ASSERT_EQ(shot.devicePixelRatio(), 1.0);
        for (const Text& t : texts(h)) {
            const std::string name = t.widget->objectName().toStdString();
            const Measure m = measure(shot, region(t));
            EXPECT_GE(m.contrast, 4.5) << name << (dark ? " (dark)" : " (default)");
            // Every background follows the palette: none stays light in the dark.
            EXPECT_EQ(luminance(m.background) < 0.2, dark)
                << name << " on #" << std::hex << (m.background & 0xffffff);
        }

        // Out of date, the figures still read, and plainly differ.
        h.click("chk_bold");
        const QImage marked = h.window().grab().toImage();
        for (const ui::ResultRow& row : ui::results) {
            const Text figure{h.window().controls().*row.widget, Part::inside_frame};
            const std::string name = figure.widget->objectName().toStdString();
            const double current = measure(shot, region(figure)).contrast;
            const double stale = measure(marked, region(figure)).contrast;
            EXPECT_GE(stale, 4.5) << name << (dark ? " (dark)" : " (default)");
            EXPECT_LE(stale, current - 1) << name << (dark ? " (dark)" : " (default)");
        }
        h.click("chk_bold");
        h.click("cmd_calc");
    }
}

// The colour most pixels of `ring` have.
QRgb commonest(const QImage& image, const QList<QPoint>& ring) {
    QHash<QRgb, int> counts;
    for (const QPoint& p : ring)
        ++counts[image.pixel(p)];
    QRgb most = counts.begin().key();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts[most])
            most = it.key();
    return most;
}

// The pixels along the edge of `r`.
QList<QPoint> ring(const QRect& r) {
    QList<QPoint> out;
    for (int x = r.left(); x <= r.right(); ++x)
        out << QPoint(x, r.top()) << QPoint(x, r.bottom());
    for (int y = r.top() + 1; y < r.bottom(); ++y)
        out << QPoint(r.left(), y) << QPoint(r.right(), y);
    return out;
}

// What a control's boundary is: the outermost ring of pixels of its outline,
// or, for the handle of a table's scroll bar, of the handle, which the seller
// has to make out against the groove it runs in.
enum class Boundary { outline, scroll_handle };

// The boundary's colour and the colour of what lies around it, in the pixels
// of the control's window: the ring just outside an outline, the rest of the
// groove about a handle. A check box's outline is its box's.
struct Edge {
    QRgb edge;
    QRgb around;
};

Edge edge_of(const QImage& shot, QWidget* w, Boundary boundary) {
    if (boundary == Boundary::scroll_handle) {
        QScrollBar* bar = qobject_cast<QAbstractScrollArea*>(w)->verticalScrollBar();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QPoint at = bar->mapTo(bar->window(), QPoint(0, 0));
        const auto part = [&](QStyle::SubControl sc) {
            return bar->style()
                ->subControlRect(QStyle::CC_ScrollBar, &option, sc, bar)
                .translated(at);
        };
        // The handle as drawn, its ends a pixel beyond the slider's rect.
        const QRect handle = part(QStyle::SC_ScrollBarSlider).adjusted(0, -1, 0, 1);
        const QRect groove = part(QStyle::SC_ScrollBarGroove);
        QList<QPoint> rest;
        for (int y = groove.top(); y <= groove.bottom(); ++y)
            for (int x = groove.left(); x <= groove.right(); ++x)
                if (!handle.adjusted(-1, -1, 1, 1).contains(x, y))
                    rest << QPoint(x, y);
        return {commonest(shot, ring(handle)), commonest(shot, rest)};
    }
    QRect r = w->rect();
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        r = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    }
    r.translate(w->mapTo(w->window(), QPoint(0, 0)));
    return {commonest(shot, ring(r)), commonest(shot, ring(r.adjusted(-1, -1, 1, 1)))};
}

// One of each kind of control the user works, in any of the program's
// windows, the field with the focus too: its boundary stands out at 3:1 or
// more from what is around it, as a control needs to be made out. Disabled
// controls keep the style's dimmed look and are not measured.
TEST(Colours, EveryKindOfControlStandsOutInTheDefaultAndADarkPalette) {
    // clang-format off
    const struct {
        const char* name;
        const char* control;
        Boundary boundary = Boundary::outline;
    } kinds[] = {
        {"unticked check box", "chk_bold"},
        {"ticked check box", "chk_paypal"},
        {"text field", "txt_ship_cost"},
        {"text field with the focus", "txt_end_price"},
        {"drop-down", "cmb_start_price"},
        {"button", "cmd_clear"},
        {"default button", "cmd_calc"},
        {"table", "tbl_compare"},
        {"scroll bar", "tbl_details", Boundary::scroll_handle},
    };
    // clang-format on
    WindowHarness h;
    RestorePalette restore;
    h.type_the_worked_example();
    h.click("cmd_calc");
    h.trigger("KeepForComparison");
    h.trigger("FeeDetails");
    // Short enough for its rows to scroll.
    QWidget* details = h.control("FeeDetails");
    details->resize(details->width(), details->height() / 2);
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    h.focus("txt_end_price");
    ASSERT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    ASSERT_TRUE(h.ticked("chk_paypal"));
    ASSERT_FALSE(h.ticked("chk_bold"));
    ASSERT_TRUE(h.control<QAbstractScrollArea>("tbl_details")->verticalScrollBar()->isVisible());

    for (const bool dark : {false, true}) {
        if (dark) {
            QApplication::setPalette(ui::dark_palette());
            WindowHarness::settle();
        }
        for (const auto& kind : kinds) {
            QWidget* w = h.control(kind.control);
            const Edge e = edge_of(w->window()->grab().toImage(), w, kind.boundary);
            EXPECT_GE(contrast(e.edge, e.around), 3.0)
                << kind.name << (dark ? " (dark)" : " (default)") << ": #" << std::hex
                << (e.edge & 0xffffff) << " on #" << (e.around & 0xffffff);
        }
    }
}

// The dialog's background follows the palette as the window's does, and its
// black title and notice give way to the palette's text colour where black
// would not read.
TEST(Colours, EveryAboutTextReadsInTheDefaultAndADarkPalette) {
    WindowHarness h;
    RestorePalette restore;
    QDialog* about = h.open_about();
    ASSERT_NE(about, nullptr);

    for (const bool dark : {false, true}) {
        if (dark) {
            QApplication::setPalette(ui::dark_palette());
            WindowHarness::settle();
        }
        const QImage shot = about->grab().toImage();
        for (QLabel* label : about->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue; // the picture
            const std::string name = label->objectName().toStdString();
            const Measure m = measure(shot, label->geometry());
            EXPECT_GE(m.contrast, 4.5) << name << (dark ? " (dark)" : " (default)");
            EXPECT_EQ(luminance(m.background) < 0.2, dark)
                << name << " on #" << std::hex << (m.background & 0xffffff);
        }
        QWidget* ok = about->findChild<QWidget*>(QStringLiteral("cmdOK"));
        EXPECT_GE(measure(shot, region({ok, Part::inside_frame})).contrast, 4.5)
            << "OK" << (dark ? " (dark)" : " (default)");
    }
    about->close();
}

} // namespace
} // namespace quillet::test
