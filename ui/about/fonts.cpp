#include "ui/about/fonts.h"

#include <QFont>

void install_font_substitutes() {
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    (void)installed;
}
