#include "ui/common/outline_style.h"

#include "ui/common/contrast.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>

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

// The groove a scroll bar's handle runs in: Fusion's button colour, the
// palette's lightened the more the darker it is and a quarter less saturated,
// darkened along the middle of the groove.
QColor fusion_groove(const QPalette& palette) {
    QColor c = palette.color(QPalette::Button);
    c = c.lighter(100 + std::max(1, (180 - qGray(c.rgb())) / 6));
    c.setHsv(c.hue(), c.saturation() * 3 / 4, c.value());
    return c.darker(105);
}

// Where Fusion draws each kind of outline, as it draws it: a pixel wide,
// anti-aliased, around the rectangle it was given; a box's, a table's frame's
// and a scroll bar handle's with square corners.
enum class Shape { box, field, button };

// Draws the outline around `r` again over Fusion's where Fusion's `drawn`
// colour falls short against the colour `behind` the control.
void bring_out(QPainter* painter, const QRect& r, Shape shape, const QColor& drawn,
               const QColor& behind) {
    if (contrast_ratio(drawn, behind) >= least_contrast)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(brought_out(drawn, behind, least_contrast));
    painter->setBrush(Qt::NoBrush);
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
        const QColor window = palette.color(QPalette::Window);
        const bool keyboard_focus =
            (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
        switch (element) {
        case PE_IndicatorCheckBox:
            if (qstyleoption_cast<const QStyleOptionButton*>(option))
                bring_out(painter, option->rect, Shape::box,
                          keyboard_focus ? fusion_highlighted_outline(palette)
                                         : fusion_outline(palette).lighter(110),
                          window);
            break;
        case PE_FrameLineEdit:
            bring_out(painter, option->rect, Shape::field,
                      option->state & State_HasFocus ? fusion_highlighted_outline(palette)
                                                     : fusion_outline(palette),
                      window);
            break;
        case PE_PanelButtonCommand: {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            const auto features = button ? button->features : QStyleOptionButton::None;
            if (features & QStyleOptionButton::Flat && !(option->state & (State_Sunken | State_On)))
                break; // Fusion draws no edge
            bring_out(painter, option->rect, Shape::button,
                      keyboard_focus || features & QStyleOptionButton::DefaultButton
                          ? fusion_highlighted_outline(palette)
                          : fusion_outline(palette),
                      window);
            break;
        }
        case PE_Frame:
            // A table's frame, which bounds what the user works in; other
            // frames, a group's or a picture's, only decorate.
            if (qobject_cast<const QAbstractItemView*>(widget))
                bring_out(painter, option->rect, Shape::box, fusion_outline(palette).lighter(108),
                          window);
            break;
        default:
            break;
        }
    }

    // A scroll bar's handle, which shows how far along the rows the view is
    // and is what the user drags, gets an outline that stands out from the
    // groove; Fusion only shades it a little lighter.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || !(bar->state & State_Enabled) ||
            !(bar->subControls & SC_ScrollBarSlider))
            return;
        // Fusion draws the handle's ends a pixel beyond its rectangle.
        QRect handle = proxy()->subControlRect(control, bar, SC_ScrollBarSlider, widget);
        handle = bar->orientation == Qt::Horizontal ? handle.adjusted(-1, 0, 1, 0)
                                                    : handle.adjusted(0, -1, 0, 1);
        if (!handle.isEmpty())
            bring_out(painter, handle, Shape::box, fusion_outline(bar->palette),
                      fusion_groove(bar->palette));
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
