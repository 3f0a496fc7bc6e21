// Saves the README's pictures of the main window, menu bar included, after a
// worked example has been calculated: OUTPUT.png in the default palette and,
// beside it, OUTPUT-dark.png, smaller, in a dark one, OUTPUT-target.png,
// the Target Price dialog asked for a profit of $20 on the same listing,
// OUTPUT-details.png, Fee Details of the example, and OUTPUT-compare.png,
// the example kept beside the same listing sold for $20.00.
//   quillet_screenshot OUTPUT.png
#include "tools/dark_palette/dark_palette.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace {

template <class T> T* control(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// The worked example of the README: a $4 item sold for $10 plus $5 shipping.
void calculate_an_example(quillet::ui::Quillet_main& window) {
    const quillet::ui::Controls& c = window.controls();
    c.cmb_start_price->setEditText(QStringLiteral("$1 - $9.99"));
    c.txt_item_cost->setText(QStringLiteral("4.00"));
    c.txt_end_price->setText(QStringLiteral("10.00"));
    c.txt_ship_charged->setText(QStringLiteral("5.00"));
    c.txt_ship_cost->setText(QStringLiteral("3.00"));
    c.txt_other_costs->setText(QStringLiteral("1.00"));

    c.cmd_calc->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    c.cmd_calc->click();

    // The pointer resting on the end price shows its help line.
    const QPointF at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, c.txt_end_price->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(c.txt_end_price, &move);
    QApplication::processEvents();
}

// The Target Price dialog on the example, asked for a profit of at least $20.
QDialog* find_a_target_price(QWidget& window) {
    window.findChild<QAction*>(QStringLiteral("TargetPrice"))->trigger();
    QApplication::processEvents();
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("TargetPrice"));
    control<QComboBox>(*dialog, "cmb_goal")->setCurrentIndex(1);
    control<QLineEdit>(*dialog, "txt_target")->setText(QStringLiteral("20.00"));
    control<QPushButton>(*dialog, "cmd_find")->click();
    QApplication::processEvents();
    return dialog;
}

// The example kept, then kept again sold for $20.00: the Compare window.
QWidget* compare_two_listings(quillet::ui::Quillet_main& window) {
    const auto keep = [&window] {
        window.findChild<QAction*>(QStringLiteral("KeepForComparison"))->trigger();
        QApplication::processEvents();
    };
    keep();
    window.controls().txt_end_price->setText(QStringLiteral("20.00"));
    window.controls().cmd_calc->click();
    QApplication::processEvents();
    keep();
    return window.findChild<QWidget*>(QStringLiteral("Compare"));
}

bool save(const QPixmap& picture, const QString& path) {
    if (QDir().mkpath(QFileInfo(path).absolutePath()) && picture.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "quillet_screenshot: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Always offscreen, so the pictures do not depend on the desktop they are
    // taken on and no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: quillet_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    const QString output = args.at(1);
    QString stem = output;
    if (stem.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        stem.chop(4);

    quillet::ui::Quillet_main window;
    window.show();
    QApplication::processEvents();
    calculate_an_example(window);
    if (!save(window.grab(), output))
        return 1;
    QDialog* target = find_a_target_price(window);
    if (!save(target->grab(), stem + QStringLiteral("-target.png")))
        return 1;
    target->close();
    window.findChild<QAction*>(QStringLiteral("FeeDetails"))->trigger();
    QApplication::processEvents();
    QWidget* details = window.findChild<QWidget*>(QStringLiteral("FeeDetails"));
    if (!save(details->grab(), stem + QStringLiteral("-details.png")))
        return 1;
    details->close();
    QWidget* compare = compare_two_listings(window);
    if (!save(compare->grab(), stem + QStringLiteral("-compare.png")))
        return 1;
    compare->close();
    calculate_an_example(window); // the dark picture shows the example again

    QApplication::setPalette(quillet::ui::dark_palette());
    QApplication::processEvents();
    const QPixmap dark = window.grab();
    if (!save(dark.scaledToWidth(dark.width() * 2 / 3, Qt::SmoothTransformation),
              stem + QStringLiteral("-dark.png")))
        return 1;
    return 0;
}
