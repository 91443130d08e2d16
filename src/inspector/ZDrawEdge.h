#pragma once
// Three-dimensional edges in the desktop's classic look, drawn from the system colours:
// the frame of the selected row, the splitter and the in-place editor's button.
#include <QPainter>
#include <QRect>

#include "rtl/Graphics.h"

namespace vt {

// Each edge has an outer and an inner ring; either may be absent.
enum TEdgeBorder : unsigned {
  BDR_RAISEDOUTER = 0x1,
  BDR_SUNKENOUTER = 0x2,
  BDR_RAISEDINNER = 0x4,
  BDR_SUNKENINNER = 0x8,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
  EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
  EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
};

enum TEdgeSides : unsigned {
  BF_LEFT = 0x1,
  BF_TOP = 0x2,
  BF_RIGHT = 0x4,
  BF_BOTTOM = 0x8,
  BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
  BF_MIDDLE = 0x800,  // fill the inside with the button face
  BF_FLAT = 0x4000,   // one shadow-coloured line instead of the 3-D rings
};

QColor SysQColor(TColor color);
// Draws the edge inside `rect`; returns the rectangle left inside it.
QRect DrawEdge(QPainter& painter, QRect rect, unsigned border, unsigned sides);

}  // namespace vt
