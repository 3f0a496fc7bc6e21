#include "ui/common/outline_style.h"

#include "ui/common/contrast.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace quillet::ui {

namespace {

// A tenth over 3:1, for the faint shade a group box lays under its controls.
constexpr double least_contrast = 3.3;

// The colours Fusion (Qt 6.4) draws outlines in: the window colour darkened,
// a check box's a little less, and for the focus and the default button the
// highlight darkened, no lighter than 160.
QColor fusion_outline(const QPalette& palette) {
    return palette.color(QPalette::Window).darker(140);
}

QColor fusion_highlighted_outline(const QPalette& palette) {
    QColor c = palette.color(QPalette::Highlight).darker(125);
    if (c.value() > 160)
        c.setHsl(c.hue(), c.saturation(), 160);
    return c;
}

// Where Fusion draws each kind of outline, as it draws it: a pixel wide,
// anti-aliased, around the rectangle it was given.
enum class Shape { box, field, button };

// Draws the outline again over Fusion's where Fusion's `drawn` colour falls
// short against the window colour behind the control.
void bring_out(QPainter* painter, const QStyleOption& option, Shape shape, const QColor& drawn) {
    const QColor window = option.palette.color(QPalette::Window);
    if (contrast_ratio(drawn, window) >= least_contrast)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(brought_out(drawn, window, least_contrast));
    painter->setBrush(Qt::NoBrush);
    const QRect r = option.rect;
    switch (shape) {
    case Shape::box:
        painter->translate(0.5, 0.5);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        break;
    case Shape::field:
        painter->translate(0.5, 0.5);
        painter->drawRoundedRect(r.adjusted(0, 0, -1, -1), 2, 2);
        break;
    case Shape::button:
        painter->translate(0.5, -0.5);
        painter->drawRoundedRect(r.adjusted(0, 1, -1, 0), 2, 2);
        break;
    }
    painter->restore();
}

class OutlineStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // Fusion draws a drop-down from these too, through this style.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (!(option->state & State_Enabled))
            return;
        const QPalette& palette = option->palette;
        const bool keyboard_focus =
            (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
        switch (element) {
        case PE_IndicatorCheckBox:
            if (qstyleoption_cast<const QStyleOptionButton*>(option))
                bring_out(painter, *option, Shape::box,
                          keyboard_focus ? fusion_highlighted_outline(palette)
                                         : fusion_outline(palette).lighter(110));
            break;
        case PE_FrameLineEdit:
            bring_out(painter, *option, Shape::field,
                      option->state & State_HasFocus ? fusion_highlighted_outline(palette)
                                                     : fusion_outline(palette));
            break;
        case PE_PanelButtonCommand: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            const auto features = button ? button->features : QStyleOptionButton::None;
            if (features & QStyleOptionButton::Flat && !(option->state & (State_Sunken | State_On)))
                break; // Fusion draws no edge
            bring_out(painter, *option, Shape::button,
                      keyboard_focus || features & QStyleOptionButton::DefaultButton
                          ? fusion_highlighted_outline(palette)
                          : fusion_outline(palette));
            break;
        }
        default:
            break;
        }
    }
};

} // namespace

void install_outline_style() {
    QStyle* style = QApplication::style();
    if (dynamic_cast<OutlineStyle*>(style) || !style->inherits("QFusionStyle"))
        return;
    QApplication::setStyle(new OutlineStyle(QStringLiteral("Fusion")));
}

} // namespace quillet::ui
