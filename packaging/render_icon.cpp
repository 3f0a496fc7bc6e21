// Build-time tool: renders an SVG picture as a square PNG of the given size,
// for the hicolor icon sizes an installed program ships.
// Usage: quillet_render_icon PICTURE.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    // A build machine has no display; the renderer needs none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    bool size_ok = false;
    const int side = args.size() == 4 ? args[2].toInt(&size_ok) : 0;
    if (!size_ok || side <= 0 || side > 4096) {
        std::fprintf(stderr, "usage: quillet_render_icon PICTURE.svg SIZE OUT.png\n");
        return 2;
    }
    QSvgRenderer picture(args[1]);
    if (!picture.isValid()) {
        std::fprintf(stderr, "quillet_render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "quillet_render_icon: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
