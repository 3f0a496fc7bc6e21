#include "ui/common/fonts.h"

namespace quillet::ui {

// Qt adds a substitute to a family's list only once, so a repeat changes nothing.
void install_font_substitutes() {
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

QFont font(const char* family, qreal points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace quillet::ui
