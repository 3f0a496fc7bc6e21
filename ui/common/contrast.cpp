#include "ui/common/contrast.h"

#include <algorithm>
#include <cmath>

namespace quillet::ui {

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// `percent` of the way from `from` to `to`.
QColor mix(const QColor& from, const QColor& to, int percent) {
    const auto channel = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

} // namespace

double contrast_ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor eased_text(QColor text, const QColor& background, double least, int furthest_percent) {
    if (contrast_ratio(text, background) < 4.5) // a palette at odds with itself
        text = contrast_ratio(Qt::black, background) > contrast_ratio(Qt::white, background)
                   ? QColor(Qt::black)
                   : QColor(Qt::white);
    QColor eased = text;
    for (int percent = 5; percent <= furthest_percent; percent += 5) {
        const QColor next = mix(text, background, percent);
        if (contrast_ratio(next, background) < least)
            break;
        eased = next;
    }
    return eased;
}

QColor brought_out(const QColor& colour, const QColor& background, double least) {
    const QColor far = contrast_ratio(Qt::black, background) > contrast_ratio(Qt::white, background)
                           ? QColor(Qt::black)
                           : QColor(Qt::white);
    for (int percent = 0; percent < 100; percent += 5) {
        const QColor next = mix(colour, far, percent);
        if (contrast_ratio(next, background) >= least)
            return next;
    }
    return far;
}

} // namespace quillet::ui
