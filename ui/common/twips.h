#pragma once

// Window geometry is stated in twips, 1/1440 inch. A window turns them into its
// logical pixels at its screen's logical DPI, the one that sizes its fonts in
// points: with a larger desktop font setting the frames grow with the texts in
// them. At 96 DPI that is 15 twips to a pixel.

#include <QRect>
#include <QSize>
#include <QWidget>

namespace quillet::ui {

// Twips as logical pixels at `dpi` dots per inch, to the nearest pixel.
constexpr int pixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// A widget's place in twips from its parent's top-left corner.
struct TwipsRect {
    int left, top, width, height;
};

// The conversion for one widget's screen, read when it is made.
class Twips {
public:
    explicit Twips(const QWidget& on)
        : dpi_(on.logicalDpiY()) {}

    int operator()(int twips) const { return pixels(twips, dpi_); }
    QSize size(int width, int height) const { return {(*this)(width), (*this)(height)}; }
    QRect rect(const TwipsRect& r) const {
        return {QPoint((*this)(r.left), (*this)(r.top)), size(r.width, r.height)};
    }

private:
    int dpi_;
};

// Every window places its controls this way.
inline void place(QWidget& widget, const TwipsRect& where) {
    widget.setGeometry(Twips(widget).rect(where));
}

} // namespace quillet::ui
