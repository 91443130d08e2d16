#pragma once
// TWorkArea: the current form drawn at a zoom factor, with the selected object framed and
// its five handles; the mouse selects objects and drags handles to move and size them.
// Only the part inside the scroll area's viewport is drawn, so that a large form at
// 800 % costs no more than a small one.
#include <QImage>
#include <QWidget>
#include <optional>

#include "editor/SkinDocument.h"
#include "rtl/Types.h"

namespace vt {

// The handle squares reach this far from their centre points (skin pixels).
constexpr int kHandleReach = 3;

// Handle `handle`'s square around its centre point on `bounds`, in skin coordinates.
TRect HandleRect(const TRect& bounds, TDragHandle handle);
// The first handle, in the order move, top-left, top-right, bottom-left, bottom-right,
// whose square holds `point`.
std::optional<TDragHandle> HandleAt(const TRect& bounds, TPoint point);
Qt::CursorShape HandleCursor(TDragHandle handle);
// A work-area point in skin pixels: each coordinate divided by the zoom, halves rounded
// to even.
TPoint SkinPoint(QPoint point, double scale);

class TWorkArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kScalePercents[] = {100, 200, 400, 800};

  explicit TWorkArea(TSkinDocument& document, QWidget* parent = nullptr);

  double Scale() const { return FScale; }
  void SetScale(double scale);
  // Sizes the widget to the current form at the zoom.
  void UpdateSize();
  // Draws the part `visible` (widget pixels) of the work area into `target`, whose pixel
  // (0, 0) shows the point visible.topLeft(). `target` must be Format_ARGB32 or RGB32.
  void Render(QImage& target, const QRect& visible) const;
  bool Dragging() const { return FDragging; }

 signals:
  // The mouse picked another object by clicking on it.
  void ObjectClicked(vt::TSeSkinObject* object);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TPoint FormPoint(QPoint point) const;
  void RenderForm(QImage& target, const QRect& visible, const TRect& skinArea) const;
  void DrawSelection(QImage& skinImage, TPoint origin) const;
  void UpdateCursor(TPoint point);

  TSkinDocument& FDocument;
  double FScale = 1.0;
  bool FDragging = false;
  TDragHandle FDragHandle = TDragHandle::dhMove;
  TPoint FDragPoint;
  QImage FBackBuffer;  // reused by paint events: the widget's own, never shared
};

}  // namespace vt
