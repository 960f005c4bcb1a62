#include "app/figure_image.h"

#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>

namespace quorvane::app {

QImage RenderFigure(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        return {};
    }
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    // Pasted into a page, a transparent background would take the page's colour, which may be
    // dark.
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QMimeData* FigureMimeData(const QByteArray& svg) {
    auto* data = new QMimeData;
    data->setImageData(RenderFigure(svg));
    data->setData(QString::fromLatin1(kSvgMimeType), svg);
    return data;
}

} // namespace quorvane::app
