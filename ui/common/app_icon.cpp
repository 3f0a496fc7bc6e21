#include "ui/common/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace quillet::ui {

namespace {

// Qt's own SVG icon engine lists no sizes, and window systems choose among the listed
// ones, so this engine lists 16 and 32 and still renders sharp at any size asked for.
// The icon is shown in one look only, so the mode and state are not drawn differently.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& resource)
        : resource_(resource)
        , renderer_(resource) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        renderer_.render(painter, rect);
    }

    // The base class paints onto an uninitialised pixmap; start from transparent.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        painter.end();
        return result;
    }

    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32)};
    }

    // A picture that fails to load makes a null icon, not a blank one.
    bool isNull() override { return !renderer_.isValid(); }

    QString key() const override { return QStringLiteral("quillet_svg"); }

private:
    QString resource_;
    QSvgRenderer renderer_;
};

} // namespace

QIcon quillet_window_icon() {
    return QIcon(new SvgIconEngine(QStringLiteral(":/quillet/quillet.svg")));
}

} // namespace quillet::ui
