// The window's controls, their places and looks, the keyboard order and the
// menu.

#include "window_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

// Twips to logical pixels, 15 to one; the figures below are the layout's twips.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

struct Place {
    const char* name;
    const char* kind;   // the Qt class
    const char* parent; // "Form" for the client area
    const char* text;   // caption, or the text when created (after the load step)
    QRect rect;
};

class Layout : public testing::TestWithParam<Place> {
protected:
    WindowHarness h;
};

TEST_P(Layout, ControlStandsInItsPlace) {
    const Place& p = GetParam();
    QWidget* w = h.control(p.name);
    ASSERT_NE(w, nullptr) << p.name;
    EXPECT_STREQ(w->metaObject()->className(), p.kind);
    EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(p.parent));
    EXPECT_EQ(w->geometry(), p.rect);
    EXPECT_TRUE(w->isVisible());

    const QString text = QString::fromUtf8(p.text);
    QString shown;
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        shown = frame->title();
    else if (auto* label = qobject_cast<QLabel*>(w))
        shown = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        shown = button->text();
    else if (auto* field = qobject_cast<QLineEdit*>(w))
        shown = field->text();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        shown = combo->currentText();
    EXPECT_EQ(shown, text);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Layout,
    testing::Values(
        Place{"quick_help", "QGroupBox", "Form", "Quick Help:", twips(120, 0, 11655, 855)},
        Place{"fr_cost", "QGroupBox", "Form", "Item Cost:", twips(120, 960, 2895, 855)},
        Place{"fr_start_price", "QGroupBox", "Form",
              "Starting Price:", twips(3120, 960, 2775, 855)},
        Place{"Frame2", "QGroupBox", "Form", "Buy-It-Now Price:", twips(6000, 960, 2775, 855)},
        Place{"Frame1", "QGroupBox", "Form", "Reserve:", twips(8880, 960, 2895, 855)},
        Place{"fr_end_price", "QGroupBox", "Form", "Ending Price:", twips(120, 1920, 2895, 855)},
        Place{"fr_ship_charged", "QGroupBox", "Form",
              "Shipping Charged:", twips(3120, 1920, 2775, 855)},
        Place{"fr_ship_cost", "QGroupBox", "Form", "Shipping Cost:", twips(6000, 1920, 2775, 855)},
        Place{"fr_other_costs", "QGroupBox", "Form", "Other Costs:", twips(8880, 1920, 2895, 855)},
        Place{"fr_pic_options", "QGroupBox", "Form",
              "Picture Options:", twips(120, 2880, 3975, 2055)},
        Place{"fr_options", "QGroupBox", "Form", "Listing Options:", twips(4200, 2880, 7575, 2055)},
        Place{"fr_costs", "QGroupBox", "Form", "Costs and Profits:", twips(120, 5040, 11655, 1935)},
        Place{"cmd_calc", "QPushButton", "Form", "Calculate", twips(120, 7200, 4815, 495)},
        Place{"cmd_clear", "QPushButton", "Form", "Clear", twips(6960, 7200, 4815, 495)},

        Place{"lbl_help", "QLabel", "quick_help", "", twips(120, 360, 11295, 375)},
        Place{"txt_item_cost", "QLineEdit", "fr_cost", "Free", twips(120, 360, 2655, 375)},
        Place{"cmb_start_price", "QComboBox", "fr_start_price", "$0.01 - $0.99",
              twips(120, 360, 2535, 360)},
        Place{"cmb_bin", "QComboBox", "Frame2", "None", twips(120, 360, 2535, 360)},
        Place{"txt_reserve", "QLineEdit", "Frame1", "None", twips(120, 360, 2655, 375)},
        Place{"txt_end_price", "QLineEdit", "fr_end_price", "None", twips(120, 360, 2655, 375)},
        Place{"txt_ship_charged", "QLineEdit", "fr_ship_charged", "None",
              twips(120, 360, 2535, 375)},
        Place{"txt_ship_cost", "QLineEdit", "fr_ship_cost", "None", twips(120, 360, 2535, 375)},
        Place{"txt_other_costs", "QLineEdit", "fr_other_costs", "None", twips(120, 360, 2655, 375)},

        Place{"Label1", "QLabel", "fr_pic_options",
              "Number of Pictures:", twips(240, 360, 2415, 375)},
        Place{"combo_num_pics", "QComboBox", "fr_pic_options", "1", twips(2280, 360, 975, 315)},
        Place{"chk_pic_show", "QCheckBox", "fr_pic_options", "Picture Show",
              twips(240, 840, 1935, 375)},
        Place{"chk_supersize", "QCheckBox", "fr_pic_options", "Supersize Pictures",
              twips(240, 1200, 2175, 375)},
        Place{"chk_pic_pack", "QCheckBox", "fr_pic_options", "Picture Pack",
              twips(240, 1560, 1935, 375)},

        Place{"chk_gallery", "QCheckBox", "fr_options", "Gallery", twips(240, 360, 1215, 375)},
        Place{"chk_bold", "QCheckBox", "fr_options", "Bold", twips(240, 720, 1215, 375)},
        Place{"chk_10day", "QCheckBox", "fr_options", "10 Day Listing",
              twips(240, 1080, 1815, 375)},
        Place{"chk_border", "QCheckBox", "fr_options", "Border", twips(240, 1440, 1215, 375)},
        Place{"chk_sub", "QCheckBox", "fr_options", "Sub Title", twips(2400, 360, 1215, 375)},
        Place{"chk_highlight", "QCheckBox", "fr_options", "Highlight", twips(2400, 720, 1215, 375)},
        Place{"chk_gift", "QCheckBox", "fr_options", "Gift Services", twips(2400, 1080, 1815, 375)},
        Place{"chk_doublecat", "QCheckBox", "fr_options", "Double Catergory",
              twips(2400, 1440, 2055, 375)},
        Place{"chk_gfeatured", "QCheckBox", "fr_options", "Gallery Featured",
              twips(4800, 360, 2055, 375)},
        Place{"chk_fplus", "QCheckBox", "fr_options", "Featured Plus", twips(4800, 720, 2055, 375)},
        Place{"chk_hfeatured", "QCheckBox", "fr_options", "Homepage Featured",
              twips(4800, 1080, 2415, 375)},
        Place{"Line1", "QFrame", "fr_options", "", twips(2160, 360, 15, 1560)},
        Place{"Line2", "QFrame", "fr_options", "", twips(4560, 360, 15, 1560)},

        Place{"lbl_list_fee", "QLabel", "fr_costs",
              "Listing Fees ($):", twips(120, 360, 2175, 375)},
        Place{"Label7", "QLabel", "fr_costs", "Final Value Fees ($) :", twips(120, 840, 2175, 375)},
        Place{"Label9", "QLabel", "fr_costs", "Total eBaY Fees ($) :", twips(120, 1320, 2175, 375)},
        Place{"Label8", "QLabel", "fr_costs", "Paypal Fees ($):", twips(4080, 360, 2175, 375)},
        Place{"Label6", "QLabel", "fr_costs", "Total Fees ($) :", twips(4080, 840, 2055, 375)},
        Place{"Label4", "QLabel", "fr_costs", "Total Received ($):", twips(4080, 1320, 2055, 375)},
        Place{"Label5", "QLabel", "fr_costs", "Total Spent ($):", twips(8400, 360, 1695, 375)},
        Place{"Label3", "QLabel", "fr_costs", "Profit ($):", twips(8400, 840, 1695, 375)},
        Place{"Label2", "QLabel", "fr_costs", "Profit Margin %", twips(8400, 1320, 1695, 375)},
        Place{"txt_list_fee", "QLineEdit", "fr_costs", "", twips(2400, 360, 1335, 375)},
        Place{"txt_fvf", "QLineEdit", "fr_costs", "", twips(2400, 840, 1335, 375)},
        Place{"Txt_ebay_fees", "QLineEdit", "fr_costs", "", twips(2400, 1320, 1335, 375)},
        Place{"txt_paypal_fee", "QLineEdit", "fr_costs", "", twips(6120, 360, 1335, 375)},
        Place{"txt_total_fee", "QLineEdit", "fr_costs", "", twips(6120, 840, 1335, 375)},
        Place{"txt_total_recv", "QLineEdit", "fr_costs", "", twips(6120, 1320, 1335, 375)},
        Place{"txt_total_spent", "QLineEdit", "fr_costs", "", twips(10080, 360, 1335, 375)},
        Place{"txt_profit", "QLineEdit", "fr_costs", "", twips(10080, 840, 1335, 375)},
        Place{"txt_profit_margin", "QLineEdit", "fr_costs", "", twips(10080, 1320, 1335, 375)},
        Place{"chk_paypal", "QCheckBox", "fr_costs", "", twips(7560, 480, 495, 255)},
        Place{"Line4", "QFrame", "fr_costs", "", twips(3960, 240, 15, 1560)},
        Place{"Line3", "QFrame", "fr_costs", "", twips(8280, 240, 15, 1560)}),
    [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

class Window : public testing::Test {
protected:
    WindowHarness h;
};

TEST_F(Window, ClientAreaIsFixedAndTheWindowResizable) {
    QWidget* form = h.window().centralWidget();
    EXPECT_EQ(form->objectName(), QStringLiteral("Form"));
    EXPECT_EQ(form->size(), QSize(11910 / 15, 7815 / 15));
    // Resizable both ways: shrinking hides what no longer fits.
    EXPECT_LT(h.window().minimumSizeHint().width(), form->width() / 2);
    EXPECT_LT(h.window().minimumSizeHint().height(), form->height() / 2);
    EXPECT_EQ(h.window().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(h.window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(h.window().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Window, TitleShowsTheProductAndTheIconHasBothSizes) {
    EXPECT_TRUE(h.window().windowTitle().contains(QStringLiteral("Quillet")));
    EXPECT_EQ(h.window().objectName(), QStringLiteral("Quillet_main"));
    const QIcon icon = h.window().windowIcon();
    EXPECT_FALSE(icon.pixmap(16, 16).isNull());
    EXPECT_FALSE(icon.pixmap(32, 32).isNull());
}

TEST_F(Window, OpensCentredOnTheScreen) {
    const QPoint screen_centre = h.window().screen()->availableGeometry().center();
    const QPoint window_centre = h.window().frameGeometry().center();
    EXPECT_LE((screen_centre - window_centre).manhattanLength(), 40)
        << "window centre " << window_centre.x() << "," << window_centre.y();
}

TEST_F(Window, ResizingMovesNoControl) {
    QList<QRect> before;
    const auto controls = h.window().centralWidget()->findChildren<QWidget*>();
    for (QWidget* w : controls)
        before << w->geometry();
    h.window().resize(1200, 900);
    WindowHarness::settle();
    h.window().resize(300, 200);
    WindowHarness::settle();
    for (qsizetype i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->geometry(), before[i]) << controls[i]->objectName().toStdString();
}

TEST_F(Window, FontsAreVerdanaButThePictureCountAndTheBoldProfit) {
    const QFont window_font = h.control("txt_reserve")->font();
    EXPECT_EQ(window_font.family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(window_font.pointSizeF(), 9.75);
    EXPECT_FALSE(window_font.bold());
    for (const char* name :
         {"quick_help", "lbl_help", "chk_gallery", "cmd_calc", "Label2", "txt_list_fee", "cmb_bin"})
        EXPECT_EQ(h.control(name)->font(), window_font) << name;

    const QFont pictures = h.control("combo_num_pics")->font();
    EXPECT_EQ(pictures.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(pictures.pointSizeF(), 8.25);

    const QFont profit = h.control("txt_profit")->font();
    EXPECT_EQ(profit.family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(profit.bold());
}

TEST_F(Window, ResultFieldsAreDisabledAndEverythingElseEnabled) {
    const QStringList results{"txt_list_fee",    "txt_fvf",       "Txt_ebay_fees",
                              "txt_paypal_fee",  "txt_total_fee", "txt_total_recv",
                              "txt_total_spent", "txt_profit",    "txt_profit_margin"};
    for (QWidget* w : h.window().centralWidget()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_")))
            continue; // a control's own parts
        EXPECT_EQ(w->isEnabled(), !results.contains(w->objectName()))
            << w->objectName().toStdString();
    }
}

// Qt's style, watched: the features of the last push button it drew.
class ButtonWatchingStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button && element == CE_PushButton)
            features = button->features;
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    mutable QStyleOptionButton::ButtonFeatures features;
};

// Through a click and Tab and Shift+Tab across it, and Enter on either button.
TEST_F(Window, CalculateStaysTheDefaultButton) {
    auto* calc = h.control<QPushButton>("cmd_calc");
    ButtonWatchingStyle style;
    calc->setStyle(&style);
    const auto expect_default = [&](const char* after) {
        EXPECT_TRUE(calc->isDefault()) << after;
        style.features = {};
        (void)calc->grab();
        EXPECT_TRUE(style.features & QStyleOptionButton::DefaultButton) << after;
    };
    expect_default("start");
    h.click("cmd_calc");
    expect_default("a click");
    h.tab();
    ASSERT_EQ(h.focused(), QStringLiteral("cmd_clear"));
    h.press_enter();
    expect_default("Tab to Clear and Enter on it");
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty()) << "Enter on Clear clears";
    h.back_tab();
    h.press_enter();
    expect_default("Shift+Tab back and Enter on it");
    EXPECT_FALSE(h.text("txt_list_fee").isEmpty()) << "Enter on Calculate calculates";
    h.back_tab();
    expect_default("Shift+Tab on");
    EXPECT_FALSE(h.control<QPushButton>("cmd_clear")->isDefault());
    calc->setStyle(nullptr);
}

TEST_F(Window, OpensWithTheFocusAndTheWholeTextInTheItemCost) {
    EXPECT_EQ(h.focused(), QStringLiteral("txt_item_cost"));
    EXPECT_EQ(h.selected_text(), QStringLiteral("Free"));
}

TEST_F(Window, TabFollowsTheKeyboardOrderAndWraps) {
    QStringList visited{h.focused()};
    for (qsizetype i = 0; i < keyboard_order.size(); ++i) {
        h.tab();
        visited << h.focused();
    }
    EXPECT_EQ(visited, keyboard_order + QStringList{"txt_item_cost"});
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(Window, ShiftTabGoesBack) {
    QStringList visited{h.focused()};
    for (qsizetype i = 0; i < keyboard_order.size(); ++i) {
        h.back_tab();
        visited << h.focused();
    }
    QStringList expected{"txt_item_cost"};
    for (qsizetype i = keyboard_order.size() - 1; i >= 0; --i)
        expected << keyboard_order[i];
    EXPECT_EQ(visited, expected);
}

TEST_F(Window, ResultFieldsTakeNoFocus) {
    for (const char* name : {"txt_list_fee", "txt_profit", "txt_profit_margin"}) {
        h.click(name);
        EXPECT_EQ(h.focused(), QStringLiteral("txt_item_cost")) << name;
    }
}

TEST_F(Window, MenuHasFileExitAndHelpAbout) {
    QMenuBar* bar = h.window().menuBar();
    const QList<QAction*> entries = bar->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("File"));
    EXPECT_EQ(entries[0]->menu()->objectName(), QStringLiteral("file"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Help"));
    EXPECT_EQ(entries[1]->menu()->objectName(), QStringLiteral("Help"));

    const QList<QAction*> file = entries[0]->menu()->actions();
    ASSERT_EQ(file.size(), 1);
    EXPECT_EQ(file[0]->objectName(), QStringLiteral("Exit"));
    EXPECT_EQ(file[0]->text(), QStringLiteral("E&xit"));
    const QList<QAction*> help = entries[1]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->objectName(), QStringLiteral("About"));
    EXPECT_EQ(help[0]->text(), QStringLiteral("About"));
}

TEST_F(Window, NoCaptionDefinesAnAccessKey) {
    for (QWidget* w : h.window().centralWidget()->findChildren<QWidget*>()) {
        QString caption;
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            caption = frame->title();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            caption = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            caption = label->text();
        EXPECT_FALSE(caption.contains(u'&')) << w->objectName().toStdString();
    }
}

} // namespace
} // namespace quillet::test
