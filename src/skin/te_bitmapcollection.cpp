#include "skin/te_bitmapcollection.h"

#include <cstdint>

namespace vt {

namespace {

// The smallest stored image: an empty name (4 bytes), width and height (4 bytes each).
constexpr int64_t kSmallestStoredImage = 12;

std::string CountMessage(int64_t declared, int read) {
  return "the collection says it holds " + std::to_string(declared) + " images, but only " +
         std::to_string(read) + " could be read";
}

}  // namespace

TBitmapCollectionRead ReadBitmapCollection(TStream& stream, TteBitmapList& list) {
  TBitmapCollectionRead result;
  int32_t declared = 0;
  if (stream.Read(&declared, 4) != 4) {
    result.Error = "the collection is empty or cut off before its image count";
    return result;
  }
  result.Declared = declared;
  if (declared < 0) {
    result.Error = "the image count is negative (" + std::to_string(declared) + ")";
    return result;
  }
  for (int index = 0; index < declared; ++index) {
    const std::optional<int64_t> remaining = stream.Remaining();
    if (remaining && *remaining < kSmallestStoredImage) {
      result.Error = CountMessage(declared, result.Read);
      return result;
    }
    auto bitmap = std::make_unique<TteBitmap>();
    try {
      bitmap->LoadFromStream(stream);
    } catch (const Exception& error) {
      result.Error = CountMessage(declared, result.Read) + ": image " + std::to_string(index + 1) +
                     " is damaged (" + error.what() + ")";
      return result;
    }
    bitmap->CheckAlpha();
    list.Add(bitmap.release());
    ++result.Read;
  }
  return result;
}

void WriteBitmapCollection(TStream& stream, const TteBitmapList& list) {
  const int32_t count = list.Count();
  stream.WriteBuffer(&count, 4);
  for (int index = 0; index < count; ++index) list.Bitmaps(index)->SaveToStream(stream);
}

}  // namespace vt
