// The family figure on the clipboard: an image that any program can paste, and the SVG itself
// for those that take vector drawings.
#pragma once

#include <QByteArray>
#include <QImage>

class QMimeData;

namespace quorvane::app {

// The MIME type the SVG bytes go under.
inline constexpr char kSvgMimeType[] = "image/svg+xml";

// `svg` drawn at its own size on white; a null image when it is no SVG Qt can draw.
QImage RenderFigure(const QByteArray& svg);

// The clipboard's content for `svg`: its image (offered as PNG) and its bytes under
// kSvgMimeType. The caller owns the result, which it usually gives to the clipboard.
QMimeData* FigureMimeData(const QByteArray& svg);

} // namespace quorvane::app
