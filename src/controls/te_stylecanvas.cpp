#include "controls/te_stylecanvas.h"

#include <QImage>
#include <QPaintEngine>
#include <QRegion>
#include <cmath>

namespace vt {

namespace {

bool IsDirectFormat(QImage::Format format) {
  return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied;
}

// The image a raster painter draws into: for a widget, its backing store or the pixmap of
// a grab (whose raster engine paints the pixmap's image).
QImage* RasterImageOf(QPainter& painter) {
  QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return nullptr;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return nullptr;
  return static_cast<QImage*>(device);
}

// Whether composing pixels ourselves gives what the painter would: plain source-over at
// full opacity.
bool PaintsPlainly(const QPainter& painter) {
  return painter.opacity() == 1.0 &&
         painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

std::optional<QPoint> WholePixelTranslation(const QTransform& transform) {
  if (transform.type() > QTransform::TxTranslate) return std::nullopt;
  const qreal dx = transform.dx(), dy = transform.dy();
  if (dx != std::floor(dx) || dy != std::floor(dy)) return std::nullopt;
  return QPoint(int(dx), int(dy));
}

// Device pixels the painter may touch: the image, cut by the system clip (the exposed
// part of a widget) and by the painter's own clip.
QRegion DeviceClipOf(QPainter& painter, const QImage& image, const QTransform& transform) {
  QRegion region(image.rect());
  const QRegion system = painter.paintEngine()->systemClip();
  if (!system.isEmpty()) region &= system;
  if (painter.hasClipping()) region &= transform.map(painter.clipRegion());
  return region;
}

}  // namespace

std::optional<TDirectTarget> DirectTargetOf(QPainter& painter) {
  QImage* image = RasterImageOf(painter);
  if (!image || !IsDirectFormat(image->format()) || image->devicePixelRatio() != 1.0) return {};
  if (!PaintsPlainly(painter)) return {};
  const QTransform transform = painter.deviceTransform();
  const std::optional<QPoint> offset = WholePixelTranslation(transform);
  if (!offset) return {};

  TDirectTarget target;
  // Pixels are 32-bit, so bytesPerLine is a whole number of pixels.
  target.Surface = {reinterpret_cast<uint32_t*>(image->bits()), image->width(), image->height(),
                    int32_t(image->bytesPerLine() / 4)};
  target.Origin = {-offset->x(), -offset->y()};
  for (const QRect& device : DeviceClipOf(painter, *image, transform))
    target.Clips.append(TRect::FromQRect(device.translated(-*offset)));
  return target;
}

}  // namespace vt
