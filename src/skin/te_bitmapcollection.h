#pragma once
// A collection of images in one stream: a 32-bit little-endian count, then that many
// images in the bitmap stream layout, in list order. The editor's gallery of reusable
// images is kept this way. Nothing else frames it (no header, version or checksum), so a
// reader can only tell damage by bytes that run out or do not form an image.
#include <string>

#include "rtl/Streams.h"
#include "skin/te_bitmap.h"

namespace vt {

// What reading a collection found. `Error` is empty when the count and every image read
// whole; otherwise it says what was wrong, and `Read` images before the damage are in
// the list.
struct TBitmapCollectionRead {
  int Declared = 0;
  int Read = 0;
  std::string Error;
  bool Damaged() const { return !Error.empty(); }
};

// Appends the images of `stream` to `list`, each with its alpha flag recomputed. Never
// throws for damaged data: a count that the remaining bytes cannot hold, or an image
// that does not read, stops the reading with the reason in the result.
TBitmapCollectionRead ReadBitmapCollection(TStream& stream, TteBitmapList& list);

// The count and every image of `list`; EWriteError when the stream cannot take them.
void WriteBitmapCollection(TStream& stream, const TteBitmapList& list);

}  // namespace vt
