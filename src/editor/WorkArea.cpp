#include "editor/WorkArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "rtl/Canvas.h"
#include "rtl/Graphics.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

constexpr TDragHandle kHandles[] = {TDragHandle::dhMove, TDragHandle::dhTopLeft,
                                    TDragHandle::dhTopRight, TDragHandle::dhBottomLeft,
                                    TDragHandle::dhBottomRight};
// The selection frame is drawn by inverting with this grey, so it shows on any skin and
// drawing it twice would take it away again.
constexpr TColor kFrameXorColor = 0x00C0C0C0;
// The handles: blue squares framed in cyan (0x00BBGGRR).
constexpr TColor kHandleFill = 0x00FF0000;
constexpr TColor kHandleFrame = 0x00FFFF00;

TPoint HandleCentre(const TRect& bounds, TDragHandle handle) {
  switch (handle) {
    case TDragHandle::dhMove:
      // Division truncating toward zero, as the handle positions were always computed.
      return {static_cast<int32_t>((int64_t{bounds.Left} + bounds.Right) / 2),
              static_cast<int32_t>((int64_t{bounds.Top} + bounds.Bottom) / 2)};
    case TDragHandle::dhTopLeft:
      return {bounds.Left, bounds.Top};
    case TDragHandle::dhTopRight:
      return {bounds.Right, bounds.Top};
    case TDragHandle::dhBottomLeft:
      return {bounds.Left, bounds.Bottom};
    case TDragHandle::dhBottomRight:
      return {bounds.Right, bounds.Bottom};
  }
  return {};
}

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// The skin pixels that the widget rectangle `visible` shows, inside the form.
TRect SkinAreaOf(const QRect& visible, double scale, int formWidth, int formHeight) {
  const int left = static_cast<int>(std::floor(visible.left() / scale));
  const int top = static_cast<int>(std::floor(visible.top() / scale));
  const int right = static_cast<int>(std::ceil((visible.right() + 1) / scale));
  const int bottom = static_cast<int>(std::ceil((visible.bottom() + 1) / scale));
  return {std::max(left, 0), std::max(top, 0), std::min(right, formWidth),
          std::min(bottom, formHeight)};
}

// Pixel formats: TColor is 0x00BBGGRR, QImage wants 0xAARRGGBB.
uint32_t OpaquePixel(TColor color) {
  const uint32_t rgb = ColorToRGB(color);
  return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

uint32_t ButtonFacePixel() {
  return OpaquePixel(clBtnFace);
}

}  // namespace

TRect HandleRect(const TRect& bounds, TDragHandle handle) {
  const TPoint centre = HandleCentre(bounds, handle);
  return {centre.X - kHandleReach, centre.Y - kHandleReach, centre.X + kHandleReach,
          centre.Y + kHandleReach};
}

std::optional<TDragHandle> HandleAt(const TRect& bounds, TPoint point) {
  for (TDragHandle handle : kHandles)
    if (HandleRect(bounds, handle).Contains(point)) return handle;
  return std::nullopt;
}

Qt::CursorShape HandleCursor(TDragHandle handle) {
  switch (handle) {
    case TDragHandle::dhMove:
      return Qt::SizeAllCursor;
    case TDragHandle::dhTopLeft:
    case TDragHandle::dhBottomRight:
      return Qt::SizeFDiagCursor;
    case TDragHandle::dhTopRight:
    case TDragHandle::dhBottomLeft:
      return Qt::SizeBDiagCursor;
  }
  return Qt::ArrowCursor;
}

TPoint SkinPoint(QPoint point, double scale) {
  return {RoundHalfEven(point.x() / scale), RoundHalfEven(point.y() / scale)};
}

TWorkArea::TWorkArea(TSkinDocument& document, QWidget* parent)
    : QWidget(parent), FDocument(document) {
  setObjectName("WorkArea");
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  UpdateSize();
}

void TWorkArea::SetScale(double scale) {
  FScale = scale;
  UpdateSize();
  update();
}

void TWorkArea::UpdateSize() {
  const TSeSkinObject* form = FDocument.CurrentForm();
  if (!form) return;
  resize(std::max(RoundHalfEven(form->GetWidth() * FScale), 1),
         std::max(RoundHalfEven(form->GetHeight() * FScale), 1));
}

// Skin coordinates of the form's own space: the form may stand anywhere, and its
// children's bounds are in the same space.
TPoint TWorkArea::FormPoint(QPoint point) const {
  TPoint skin = SkinPoint(point, FScale);
  if (const TSeSkinObject* form = FDocument.CurrentForm()) {
    skin.X += form->GetLeft();
    skin.Y += form->GetTop();
  }
  return skin;
}

// ---- Drawing ------------------------------------------------------------------------

void TWorkArea::Render(QImage& target, const QRect& visible) const {
  target.fill(ButtonFacePixel());
  TSeSkinObject* form = FDocument.CurrentForm();
  if (!form || form->GetWidth() <= 0 || form->GetHeight() <= 0) return;
  const TRect skinArea = SkinAreaOf(visible, FScale, form->GetWidth(), form->GetHeight());
  if (skinArea.IsEmpty()) return;
  RenderForm(target, visible, skinArea);
}

void TWorkArea::RenderForm(QImage& target, const QRect& visible, const TRect& skinArea) const {
  TSeSkinObject& form = *FDocument.CurrentForm();
  QImage skinImage(skinArea.Width(), skinArea.Height(), QImage::Format_ARGB32);
  skinImage.fill(ButtonFacePixel());
  // Logical coordinates are the form's: pixel (0, 0) of the small image is the first
  // visible skin pixel.
  const TPoint origin{form.GetLeft() + skinArea.Left, form.GetTop() + skinArea.Top};
  {
    TCanvas canvas(skinImage);
    canvas.SetOrigin(origin);
    form.Draw(canvas, skinArea.Offset(form.GetLeft(), form.GetTop()));
  }
  DrawSelection(skinImage, origin);
  // Nearest-neighbour enlargement straight into the target, one column table per call.
  const int width = std::min(visible.width(), target.width());
  std::vector<int> sourceColumn(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x)
    sourceColumn[static_cast<size_t>(x)] = std::clamp(
        static_cast<int>((visible.left() + x) / FScale) - skinArea.Left, 0, skinImage.width() - 1);
  const int formBottom = RoundHalfEven(form.GetHeight() * FScale);
  const int formRight = RoundHalfEven(form.GetWidth() * FScale);
  const int columns = std::clamp(formRight - visible.left(), 0, width);
  for (int y = 0; y < std::min(visible.height(), target.height()); ++y) {
    if (visible.top() + y >= formBottom) break;
    const int sourceRow = std::clamp(static_cast<int>((visible.top() + y) / FScale) - skinArea.Top,
                                     0, skinImage.height() - 1);
    const auto* source = reinterpret_cast<const uint32_t*>(skinImage.constScanLine(sourceRow));
    auto* row = reinterpret_cast<uint32_t*>(target.scanLine(y));
    // The work area is opaque: design mode shows transparent parts in their own colour
    // (the key colour of objects without one) rather than whatever was there before.
    for (int x = 0; x < columns; ++x)
      row[x] = source[sourceColumn[static_cast<size_t>(x)]] | 0xFF000000u;
  }
}

void TWorkArea::DrawSelection(QImage& skinImage, TPoint origin) const {
  const TSeSkinObject* selected = FDocument.Selected();
  if (!selected) return;
  const TRect bounds = selected->BoundsRect();
  TCanvas canvas(skinImage);
  canvas.SetOrigin(origin);
  canvas.PenMode = TPenMode::pmXor;
  canvas.PenStyle = TPenStyle::psDot;
  canvas.PenColor = kFrameXorColor;
  // The outline of a rectangle whose right and bottom are exclusive, each pixel once.
  canvas.MoveTo(bounds.Left, bounds.Top);
  canvas.LineTo(bounds.Right - 1, bounds.Top);
  canvas.LineTo(bounds.Right - 1, bounds.Bottom - 1);
  canvas.LineTo(bounds.Left, bounds.Bottom - 1);
  canvas.LineTo(bounds.Left, bounds.Top);
  canvas.PenMode = TPenMode::pmCopy;
  canvas.PenStyle = TPenStyle::psSolid;
  for (TDragHandle handle : kHandles) {
    const TRect square = HandleRect(bounds, handle);
    canvas.FillRect(square, kHandleFill);
    canvas.FrameRect(square, kHandleFrame);
  }
}

void TWorkArea::paintEvent(QPaintEvent* event) {
  const QRect visible = event->rect();
  if (FBackBuffer.size() != visible.size())
    FBackBuffer = QImage(visible.size(), QImage::Format_ARGB32);
  Render(FBackBuffer, visible);
  QPainter painter(this);
  painter.drawImage(visible.topLeft(), FBackBuffer);
}

// ---- Mouse --------------------------------------------------------------------------

void TWorkArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !FDocument.Selected()) return;
  const TPoint point = FormPoint(event->position().toPoint());
  if (const auto handle = HandleAt(FDocument.Selected()->BoundsRect(), point)) {
    FDragPoint = point;
    FDragging = true;
    FDragHandle = *handle;
    return;
  }
  if (TSeSkinObject* form = FDocument.CurrentForm())
    if (TSeSkinObject* hit = form->HitTest(point)) emit ObjectClicked(hit);
}

void TWorkArea::UpdateCursor(TPoint point) {
  const TSeSkinObject* selected = FDocument.Selected();
  const auto handle = selected ? HandleAt(selected->BoundsRect(), point) : std::nullopt;
  setCursor(handle ? HandleCursor(*handle) : Qt::ArrowCursor);
}

void TWorkArea::mouseMoveEvent(QMouseEvent* event) {
  const TPoint point = FormPoint(event->position().toPoint());
  if (event->buttons() == Qt::NoButton && event->modifiers() == Qt::NoModifier) UpdateCursor(point);
  const bool leftOnly = event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier;
  if (!leftOnly || !FDragging || !FDocument.Selected() || point == FDragPoint) return;
  const int dx = point.X - FDragPoint.X, dy = point.Y - FDragPoint.Y;
  FDragPoint = point;
  FDocument.DragSelected(FDragHandle, dx, dy);
}

void TWorkArea::mouseReleaseEvent(QMouseEvent*) {
  FDragging = false;
}

}  // namespace vt
