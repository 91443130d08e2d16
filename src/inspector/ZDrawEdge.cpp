#include "ZDrawEdge.h"

namespace vt {

QColor SysQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

namespace {

struct TRingColors {
  TColor TopLeft;
  TColor BottomRight;
};

// One ring of lines on the chosen sides; the bottom and right lines are drawn last so
// that they own the corners, as the desktop draws them.
QRect DrawRing(QPainter& painter, QRect rect, TRingColors colors, unsigned sides) {
  const QColor topLeft = SysQColor(colors.TopLeft);
  const QColor bottomRight = SysQColor(colors.BottomRight);
  if (sides & BF_LEFT) painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
  if (sides & BF_TOP) painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
  if (sides & BF_RIGHT)
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
  if (sides & BF_BOTTOM)
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
  return rect.adjusted(sides & BF_LEFT ? 1 : 0, sides & BF_TOP ? 1 : 0, sides & BF_RIGHT ? -1 : 0,
                       sides & BF_BOTTOM ? -1 : 0);
}

}  // namespace

QRect DrawEdge(QPainter& painter, QRect rect, unsigned border, unsigned sides) {
  if (sides & BF_FLAT) {
    rect = DrawRing(painter, rect, {clBtnShadow, clBtnShadow}, sides);
  } else {
    if (border & BDR_RAISEDOUTER) rect = DrawRing(painter, rect, {cl3DLight, cl3DDkShadow}, sides);
    if (border & BDR_SUNKENOUTER)
      rect = DrawRing(painter, rect, {clBtnShadow, clBtnHighlight}, sides);
    if (border & BDR_RAISEDINNER)
      rect = DrawRing(painter, rect, {clBtnHighlight, clBtnShadow}, sides);
    if (border & BDR_SUNKENINNER) rect = DrawRing(painter, rect, {cl3DDkShadow, cl3DLight}, sides);
  }
  if ((sides & BF_MIDDLE) && rect.isValid()) painter.fillRect(rect, SysQColor(clBtnFace));
  return rect;
}

}  // namespace vt
