#include "ui/about/about_dialog.h"

#include "ui/common/contrast.h"
#include "ui/common/fill.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/common/version.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSvgRenderer>

#include <initializer_list>

namespace quillet::ui {

namespace {

// The client area's size in twips.
constexpr int client_width = 6225;
constexpr int client_height = 4020;

struct Placement {
    QWidget* widget;
    TwipsRect where;
};

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& f) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

// The title and the notice are black where black reads on the dialog's
// background; on a dark one they take the palette's text colour instead.
QColor notice_colour(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Window);
    for (const QColor& c : {QColor(Qt::black), palette.color(QPalette::WindowText)}) {
        if (contrast_ratio(c, background) >= 4.5)
            return c;
    }
    return contrast_ratio(Qt::white, background) > contrast_ratio(Qt::black, background)
               ? QColor(Qt::white)
               : QColor(Qt::black);
}

// Only the WindowText role becomes the label's own; the rest follows the dialog.
void paint_notice(QWidget* w, const QPalette& dialog_palette) {
    QPalette p;
    p.setColor(QPalette::WindowText, notice_colour(dialog_palette));
    w->setPalette(p);
}

// A straight separator: a strip filled with its colour. Mouse events pass through
// to what lies beneath, as they do for drawn lines.
QWidget* line(QWidget* parent, const char* name, const QColor& colour) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    fill(w, colour);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

// Rendered at the screen's pixel ratio so the picture stays sharp on high-density
// screens while keeping its logical size.
QPixmap svg_pixmap(const QString& resource, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    install_font_substitutes();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About MyApp"));
    // An explicit empty icon, so the dialog does not borrow the application's.
    setWindowIcon(QIcon());
    setFont(ui::font("MS Sans Serif", 8.25));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QStringLiteral("Quillet: a pocket calculator")); // it takes focus
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setAlignment(Qt::AlignCenter);
    const Twips twips(*this);
    // 100 pixels square at 96 DPI, larger with the rest at a higher one.
    picIcon->setPixmap(svg_pixmap(QStringLiteral(":/quillet/calculator.svg"),
                                  twips.size(1500, 1500), devicePixelRatioF()));
    picIcon->setFocusPolicy(Qt::TabFocus);

    const QString title = QString::fromUtf8(name_and_version());
    lblTitle = label(this, "lblTitle", title, ui::font("Verdana", 9.75, true));
    // Orca passes over a label this short when the dialog opens; as the
    // dialog's description it is spoken with the title.
    setAccessibleDescription(title);
    QLabel* Label1 =
        label(this, "Label1",
              QStringLiteral("Newer versions of Quillet are published on the project's web site."),
              ui::font("Verdana", 9.75));
    lblDisclaimer = label(this, "lblDisclaimer",
                          QStringLiteral("\u00A9 The Quillet developers. Fees are estimates."),
                          ui::font("Verdana", 8.25));
    paint_notices();

    // The two lines form the pair Line1; controls are found by unique name, so each
    // line carries its index in its name.
    QWidget* Line1_1 = line(this, "Line1_1", QColor(128, 128, 128));
    QWidget* Line1_0 = line(this, "Line1_0", Qt::white);

    // Where every control sits, in twips from the top-left corner of the client
    // area. A line's height is its pen width.
    // clang-format off
    for (const auto& [widget, where] : std::initializer_list<Placement>{
        // widget       left   top  width height
        {picIcon,        120,  240, 1560, 1560},
        {lblTitle,      1800,  240, 4245,  480},
        {Label1,        1800,  720, 4215, 1095},
        {Line1_1,        120, 1920, 6000,   15},
        {Line1_0,        120, 3000, 6000,   30},
        {lblDisclaimer, 1080, 3120, 4215,  225},
        {cmdOK,         2400, 3480, 1260,  345},
    })
        place(*widget, where);
    // clang-format on
    setFixedSize(twips.size(client_width, client_height));

    // OK first, then the picture; focus starts on OK.
    setTabOrder(cmdOK, picIcon);
    cmdOK->setFocus();

    // The client area is centred; the frame is not known until the window is shown.
    if (const QScreen* s = screen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), s->availableGeometry()));
}

void frmAbout::paint_notices() {
    for (QLabel* l : {lblTitle, lblDisclaimer})
        paint_notice(l, palette());
}

// The dialog hears of a new palette (the desktop's or the style's) before its
// labels take it on.
void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && lblTitle)
        paint_notices();
    QDialog::changeEvent(event);
}

void frmAbout::cmdOK_Click() {
    close();
}

} // namespace quillet::ui
