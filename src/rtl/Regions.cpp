#include "Regions.h"

namespace vt {

QRegion RegionFromRects(const std::vector<QRect>& rects) {
  QRegion region;
  if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
  return region;
}

QRegion RegionFromRect(const TRect& rect) {
  return rect.IsEmpty() ? QRegion() : QRegion(rect.ToQRect());
}

}  // namespace vt
