#include "ui/main_window/form_scrolling.h"

#include "ui/common/twips.h"
#include "ui/main_window/form_layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QMainWindow>
#include <QScrollArea>

namespace quillet::ui {

namespace {

// The gap the form leaves around its outer controls.
constexpr int margin_twips = 120;

// Shows all of `w` if it fits, else as much as fits around its centre.
void scroll_to(QScrollArea& area, const QWidget& surface, const QWidget& w, int margin) {
    const QRect on_surface(w.mapTo(&surface, QPoint(0, 0)), w.size());
    area.ensureVisible(on_surface.center().x(), on_surface.center().y(),
                       on_surface.width() / 2 + margin, on_surface.height() / 2 + margin);
}

bool fits(const QScrollArea& area, const QWidget& w, int margin) {
    const QSize room = area.viewport()->size();
    return w.width() + 2 * margin <= room.width() && w.height() + 2 * margin <= room.height();
}

} // namespace

QWidget* make_surface(QMainWindow& window) {
    auto* area = new QScrollArea(&window);
    // Unseen where the window has room: no frame, and no scroll bar until the
    // form is larger than the window's client area.
    area->setFrameShape(QFrame::NoFrame);
    // The window's colour around the form when the window is larger.
    area->viewport()->setBackgroundRole(QPalette::Window);
    // Tab goes from control to control; the scroll area is no stop of its own.
    area->setFocusPolicy(Qt::NoFocus);

    auto* surface = new QWidget;
    surface->setObjectName(QStringLiteral("Form"));
    surface->setFixedSize(Twips(window).size(client_width_twips, client_height_twips));
    area->setWidget(surface);
    window.setCentralWidget(area);
    return surface;
}

// The scroll area follows QApplication's focus changes rather than Tab alone
// (and by itself it keeps only a field's cursor in view): a rejected field
// given the focus back and a screen reader's moves count too.
void keep_focus_in_view(QWidget* surface) {
    auto* area = qobject_cast<QScrollArea*>(surface->parentWidget()->parentWidget());
    Q_ASSERT(area); // the surface make_surface() made
    const int margin = Twips(*surface)(margin_twips);
    QObject::connect(qApp, &QApplication::focusChanged, surface,
                     [surface, area, margin](QWidget*, QWidget* now) {
                         // A control the pointer presses is where the user
                         // sees it; moved now, it would be gone from under
                         // the pointer at the release, and the click lost.
                         if (!now || !surface->isAncestorOf(now) ||
                             QApplication::mouseButtons() != Qt::NoButton)
                             return;
                         QWidget* control = control_of(surface, now);
                         if (!control)
                             return;
                         // The frame first, so that its caption shows with
                         // the control; then the control, in case the frame
                         // does not fit.
                         if (auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
                             frame && fits(*area, *frame, margin))
                             scroll_to(*area, *surface, *frame, margin);
                         scroll_to(*area, *surface, *control, margin);
                     });
}

} // namespace quillet::ui
