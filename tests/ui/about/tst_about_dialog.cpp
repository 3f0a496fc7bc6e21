#include "ui/about/about_dialog.h"
#include "ui/common/app_icon.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// The expected figures are kept in twips, 15 to a logical pixel.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

} // namespace

using quillet::ui::frmAbout;
using quillet::ui::quillet_window_icon;

class AboutDialogTest : public QObject {
    Q_OBJECT

    QPointer<frmAbout> dialog;

    template <class T = QWidget> T* control(const QString& name) const {
        T* w = dialog->findChild<T*>(name);
        if (!w)
            qFatal("no control named %s", qPrintable(name));
        return w;
    }

    void show_and_activate() {
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

private slots:
    void init() { dialog = new frmAbout; }

    void cleanup() {
        delete dialog.data();
        QApplication::setWindowIcon(QIcon());
    }

    void controls_sit_in_their_places_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        // A few places as the user sees them; the texts' fit is checked below.
        QTest::newRow("picIcon") << "picIcon" << twips(120, 240, 1560, 1560);
        QTest::newRow("Line1(0) white, 2 px") << "Line1_0" << twips(120, 3000, 6000, 30);
        QTest::newRow("cmdOK") << "cmdOK" << twips(2400, 3480, 1260, 345);
    }

    void controls_sit_in_their_places() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QCOMPARE(control(name)->geometry(), rect);
    }

    // Where a font the dialog names is missing, one installed with the
    // program stands in.
    void every_font_has_an_installed_stand_in() {
        QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
        widgets << dialog.data();
        for (const QWidget* w : widgets) {
            const QString family = w->font().family();
            QVERIFY2(QFont::substitutes(family).contains(QStringLiteral("DejaVu Sans"),
                                                         Qt::CaseInsensitive),
                     qPrintable(family));
        }
    }

    void texts_fit_their_boxes_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("lblTitle") << "lblTitle";
        QTest::newRow("Label1") << "Label1";
        QTest::newRow("lblDisclaimer") << "lblDisclaimer";
    }

    // A text that wraps past its box's height is cut off on screen.
    void texts_fit_their_boxes() {
        QFETCH(QString, name);
        const auto* label = control<QLabel>(name);
        const QRect box = label->contentsRect();
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, box.width(), 10000),
                              int(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(QStringLiteral("\"%1\" needs %2 x %3 px")
                                .arg(label->text())
                                .arg(needed.width())
                                .arg(needed.height())));
    }

    void caption_title_and_button_texts() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About MyApp"));
        QCOMPARE(control<QLabel>("lblTitle")->text(), QStringLiteral("Quillet " QUILLET_VERSION));
        QVERIFY(!control<QLabel>("Label1")->text().isEmpty());
        QVERIFY(!control<QLabel>("lblDisclaimer")->text().isEmpty());
        QCOMPARE(control<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
    }

    void fixed_modeless_dialog_with_close_button_only() {
        QCOMPARE(dialog->minimumSize(), QSize(415, 268));
        QCOMPARE(dialog->maximumSize(), QSize(415, 268));
        QCOMPARE(dialog->size(), QSize(415, 268));
        QVERIFY(!dialog->isModal());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));

        const Qt::WindowFlags flags = dialog->windowFlags();
        QCOMPARE(dialog->windowType(), Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    }

    void no_window_icon_even_when_the_application_has_one() {
        QApplication::setWindowIcon(quillet_window_icon());
        delete dialog.data();
        dialog = new frmAbout;
        QVERIFY(dialog->windowIcon().isNull());
    }

    void picture_is_100_pixels_square() {
        const QPixmap picture = control<QLabel>("picIcon")->pixmap();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(100, 100));
        QCOMPARE(picture.devicePixelRatio(), dialog->devicePixelRatioF());
    }

    void opens_centred_on_screen() {
        show_and_activate();
        const QPoint offset =
            dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void focus_starts_on_ok_and_tab_goes_to_picture() {
        show_and_activate();
        QCOMPARE(QApplication::focusWidget(), control("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("picIcon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("cmdOK"));
    }

    void closes_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("key"); // 0: click OK with the mouse
        QTest::newRow("OK clicked") << 0 << 0;
        QTest::newRow("Return") << 0 << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << 0 << int(Qt::Key_Enter);
        QTest::newRow("Escape") << 0 << int(Qt::Key_Escape);
        QTest::newRow("Return, focus on picture") << 1 << int(Qt::Key_Return);
        QTest::newRow("Escape, focus on picture") << 1 << int(Qt::Key_Escape);
    }

    // Closing unloads: the dialog is gone, not merely hidden.
    void closes() {
        QFETCH(int, tabs);
        QFETCH(int, key);
        show_and_activate();
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (key == 0)
            QTest::mouseClick(control("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(dialog.isNull());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "tst_about_dialog.moc"
