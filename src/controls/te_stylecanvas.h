#pragma once
// The canvas a style draws a theme part on. Over a painter whose target is a 32-bit image
// (a widget's backing store, a grab, a render into a QImage) and whose transformation is a
// whole-pixel translation, the theme composes straight into the image's memory with the
// pixel kernels, once per rectangle of the painter's clip. Any other painter (scaled for
// high-DPI, rotated, semi-transparent, a printer) is drawn through QPainter.
#include <QPainter>
#include <QVarLengthArray>
#include <optional>

#include "rtl/Canvas.h"
#include "rtl/Types.h"

namespace vt {

struct TDirectTarget {
  TPixelSurface Surface;
  TPoint Origin;                    // the canvas origin: minus the painter's translation
  QVarLengthArray<TRect, 4> Clips;  // logical rectangles drawing may touch
};

// The image memory behind `painter` when the direct route applies, else none.
std::optional<TDirectTarget> DirectTargetOf(QPainter& painter);

// Runs `paint(TCanvas&)` on canvases that cover exactly what `painter` may draw on.
template <class TPaint>
void PaintOnCanvas(QPainter& painter, TPaint&& paint) {
  if (const std::optional<TDirectTarget> target = DirectTargetOf(painter)) {
    for (const TRect& clip : target->Clips) {
      TCanvas canvas(target->Surface);
      canvas.SetOrigin(target->Origin);
      canvas.SetClipRect(clip);
      paint(canvas);
    }
    return;
  }
  TCanvas canvas(painter);
  paint(canvas);
}

}  // namespace vt
