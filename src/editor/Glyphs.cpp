#include "editor/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace vt {

namespace {

using TGlyphPainter = std::function<void(QPainter&)>;

// The palette every glyph draws from, so that the set reads as one family.
const QColor kInk(0x30, 0x30, 0x40);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kAccent(0x2A, 0x6F, 0xD8);
const QColor kWarm(0xE0, 0x9A, 0x28);
const QColor kRed(0xD0, 0x30, 0x30);
const QColor kGreen(0x3A, 0xA0, 0x4A);

QPen InkPen(double width = 1.0) {
  return QPen(kInk, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void Page(QPainter& p) {
  QPainterPath path;
  path.moveTo(3.5, 1.5);
  path.lineTo(9.5, 1.5);
  path.lineTo(12.5, 4.5);
  path.lineTo(12.5, 14.5);
  path.lineTo(3.5, 14.5);
  path.closeSubpath();
  p.setPen(InkPen());
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
  p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void Folder(QPainter& p) {
  p.setPen(InkPen());
  p.setBrush(kWarm);
  QPainterPath path;
  path.moveTo(1.5, 3.5);
  path.lineTo(5.5, 3.5);
  path.lineTo(7.5, 5.5);
  path.lineTo(14.5, 5.5);
  path.lineTo(14.5, 13.5);
  path.lineTo(1.5, 13.5);
  path.closeSubpath();
  p.drawPath(path);
}

void Disk(QPainter& p) {
  p.setPen(InkPen());
  p.setBrush(kAccent);
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(kPaper);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void Window(QPainter& p, const QColor& caption) {
  p.setPen(InkPen());
  p.setBrush(kPaper);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.fillRect(QRectF(2, 3, 12, 3), caption);
}

void Cross(QPainter& p, const QRectF& box, const QColor& colour, double width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(box.topLeft(), box.bottomRight());
  p.drawLine(box.topRight(), box.bottomLeft());
}

void Arrow(QPainter& p) {
  QPainterPath path;
  path.moveTo(4, 1.5);
  path.lineTo(4, 13);
  path.lineTo(7, 10);
  path.lineTo(9.5, 14.5);
  path.lineTo(11, 13.5);
  path.lineTo(8.5, 9.5);
  path.lineTo(12.5, 9.5);
  path.closeSubpath();
  p.setPen(InkPen());
  p.setBrush(kPaper);
  p.drawPath(path);
}

void Sheets(QPainter& p, const QColor& back, const QColor& front) {
  p.setPen(InkPen());
  p.setBrush(back);
  p.drawRect(QRectF(1.5, 1.5, 8, 9));
  p.setBrush(front);
  p.drawRect(QRectF(6.5, 5.5, 8, 9));
}

void CurvedArrow(QPainter& p, bool forward) {
  if (!forward) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(3, 12);
  path.cubicTo(3, 5, 9, 4, 12, 7);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(QPolygonF({QPointF(14.5, 3), QPointF(14.5, 10), QPointF(8, 9)}));
}

// The object kinds: each a small form piece with the kind's own mark.
void Container(QPainter& p) {
  p.setPen(QPen(kInk, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
}

void Picture(QPainter& p) {
  p.setPen(InkPen());
  p.setBrush(QColor(0xBF, 0xDF, 0xFF));
  p.drawRect(QRectF(1.5, 2.5, 13, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawPolygon(
      QPolygonF({QPointF(2, 13), QPointF(6, 7), QPointF(9, 11), QPointF(11, 9), QPointF(14, 13)}));
  p.setBrush(kWarm);
  p.drawEllipse(QPointF(11, 5.5), 1.5, 1.5);
}

// An image command: the picture with a badge at its lower right saying what happens to it.
void PictureWithBadge(QPainter& p, const std::function<void(QPainter&)>& mark) {
  Picture(p);
  p.setPen(InkPen());
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
  mark(p);
}

void PlusMark(QPainter& p) {
  p.setPen(QPen(kGreen, 1.6, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(11.5, 9.2), QPointF(11.5, 13.8));
  p.drawLine(QPointF(9.2, 11.5), QPointF(13.8, 11.5));
}

void SwapMark(QPainter& p) {
  p.setPen(QPen(kAccent, 1.3, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(9.6, 9.6, 3.8, 3.8), 90 * 16, 270 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(QPolygonF({QPointF(11, 8.4), QPointF(13.2, 9.6), QPointF(11, 10.8)}));
}

void TwoStates(QPainter& p, const QColor& first, const QColor& second) {
  p.setPen(InkPen());
  p.setBrush(first);
  p.drawRect(QRectF(1.5, 4.5, 6, 7));
  p.setBrush(second);
  p.drawRect(QRectF(8.5, 4.5, 6, 7));
}

void Button(QPainter& p, int states) {
  p.setPen(InkPen());
  p.setBrush(QColor(0xE8, 0xE8, 0xE8));
  p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  for (int i = 0; i < states; ++i) p.drawRect(QRectF(3 + i * 2.2, 7, 1.4, 2));
}

void Letter(QPainter& p, const QString& text, const QColor& colour) {
  QFont font("Tahoma");
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, text);
}

// The classes of the older layout share one look: a grey frame with a short mark.
void OldKind(QPainter& p, const QString& mark) {
  p.setPen(InkPen());
  p.setBrush(QColor(0xF0, 0xEC, 0xE0));
  p.drawRect(QRectF(0.5, 0.5, 15, 15));
  QFont font("Tahoma");
  font.setPixelSize(7);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, mark);
}

const std::map<QString, TGlyphPainter>& GlyphTable() {
  static const std::map<QString, TGlyphPainter> table = {
      {"new", Page},
      {"open", Folder},
      {"save", Disk},
      {"test", [](QPainter& p) { Window(p, kAccent); }},
      {"control",
       [](QPainter& p) {
         Window(p, kAccent);
         Button(p, 0);
       }},
      {"pick",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(3, 13), QPointF(10, 6));
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         p.drawEllipse(QPointF(11.5, 4.5), 3, 3);
       }},
      {"select", Arrow},
      {"delete", [](QPainter& p) { Cross(p, QRectF(3, 3, 10, 10), kRed, 2.5); }},
      {"front", [](QPainter& p) { Sheets(p, kPaper, kAccent); }},
      {"copy", [](QPainter& p) { Sheets(p, kPaper, kPaper); }},
      {"paste",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.setBrush(kWarm);
         p.drawRect(QRectF(1.5, 2.5, 10, 12));
         p.setBrush(kPaper);
         p.drawRect(QRectF(6.5, 6.5, 8, 8));
       }},
      {"undo", [](QPainter& p) { CurvedArrow(p, false); }},
      {"redo", [](QPainter& p) { CurvedArrow(p, true); }},
      {"export",
       [](QPainter& p) {
         Picture(p);
         p.setPen(QPen(kRed, 2));
         p.drawLine(QPointF(8, 8), QPointF(14, 2));
       }},
      {"addimage", [](QPainter& p) { PictureWithBadge(p, PlusMark); }},
      {"replaceimage", [](QPainter& p) { PictureWithBadge(p, SwapMark); }},
      {"deleteimage",
       [](QPainter& p) {
         PictureWithBadge(p, [](QPainter& q) { Cross(q, QRectF(10, 10, 3, 3), kRed, 1.6); });
       }},
      {"TSeSkinObject", Container},
      {"TSeBitmapObject", Picture},
      {"TSeActiveObject", [](QPainter& p) { TwoStates(p, kPaper, kAccent); }},
      {"TSeActiveBitmap", [](QPainter& p) { TwoStates(p, kGreen, kAccent); }},
      {"TSeSystemButton",
       [](QPainter& p) {
         p.setPen(InkPen());
         p.setBrush(kPaper);
         p.drawRect(QRectF(2.5, 2.5, 11, 11));
         Cross(p, QRectF(5, 5, 6, 6), kInk, 1.5);
       }},
      {"TSeButtonObject", [](QPainter& p) { Button(p, 5); }},
      {"TSeTextObject", [](QPainter& p) { Letter(p, "A", kInk); }},
      {"TSeBitmapSkinObject", [](QPainter& p) { OldKind(p, "BS"); }},
      {"TSeFormBitmapSkinObject", [](QPainter& p) { OldKind(p, "FB"); }},
      {"TSeSysButtonSkinObject", [](QPainter& p) { OldKind(p, "SB"); }},
      {"TSeLinkSkinObject", [](QPainter& p) { OldKind(p, "LK"); }},
      {"TSeActiveSkinObject", [](QPainter& p) { OldKind(p, "AS"); }},
      {"TSeColorButtonObject", [](QPainter& p) { OldKind(p, "CB"); }},
      {"TSeBitmapBoxObject", [](QPainter& p) { OldKind(p, "BB"); }},
      {"TSeActiveBitmapBoxObject", [](QPainter& p) { OldKind(p, "AB"); }},
      {"TSeButtonBitmapBoxObject", [](QPainter& p) { OldKind(p, "BtB"); }},
      {"TSeRollPanelObject", [](QPainter& p) { OldKind(p, "RP"); }},
  };
  return table;
}

QPixmap PaintGlyph(const TGlyphPainter& painter, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, size > 16);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 16.0, size / 16.0);
  painter(p);
  return pixmap;
}

}  // namespace

QIcon EditorGlyph(const QString& name) {
  const auto& table = GlyphTable();
  const auto it = table.find(name);
  const TGlyphPainter& painter = it != table.end() ? it->second : TGlyphPainter(Container);
  QIcon icon;
  icon.addPixmap(PaintGlyph(painter, 16));
  icon.addPixmap(PaintGlyph(painter, 32));
  return icon;
}

}  // namespace vt
