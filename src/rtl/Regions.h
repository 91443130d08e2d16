#pragma once
#include <QRegion>
#include <vector>

#include "Types.h"

namespace vt {

// One region from a list of rectangles in one request. The rectangles must be sorted in
// y-x bands without overlaps (as row scans produce them).
QRegion RegionFromRects(const std::vector<QRect>& rects);
QRegion RegionFromRect(const TRect& rect);

}  // namespace vt
