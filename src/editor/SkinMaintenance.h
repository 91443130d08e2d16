#pragma once
// Whole-skin maintenance: one font for every object, one colour replaced by another,
// images of the same name reduced to the first, and all images packed into one. Plain
// functions over a skin source, so that they are tested without windows; the editor runs
// them through its document.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rtl/Graphics.h"
#include "rtl/Types.h"

namespace vt {

class TSeSkinSource;
class TteBitmap;
class TteBitmapList;

// Told how far a long operation has come (`done` of `total` steps, `done` growing); it
// answers false to cancel, and a cancelled operation leaves the skin as it was.
using TProgress = std::function<bool(int done, int total)>;

// The name of the image that PackImages makes.
inline constexpr const char* kPackedImageName = "themeimage";

// Every font of every object takes `font`'s name, and its own colour as an explicit RGB
// value (system colours resolved).
void ChangeAllFonts(TSeSkinSource& source, const TFont& font);

// Replaces every object colour whose text form ("clWindowText", "$00102030") is exactly
// `from` with the RGB value of `to`; the number replaced.
int ReplaceColor(TSeSkinSource& source, const std::string& from, TColor to);

// Keeps the first image of each name (ignoring case), frees the others and lets every
// object resolve its links again; the number removed, or nothing when cancelled.
std::optional<int> RemoveDuplicateImages(TSeSkinSource& source, const TProgress& progress = {});

// Where PackImages would put each image, in list order; nothing when they do not fit
// (or the size is not positive or beyond 64 million pixels).
std::optional<std::vector<TPoint>> PlaceImages(const TteBitmapList& bitmaps, int width, int height);

// Packs every image into one new image "themeimage" of width x height (each at the first
// free place, row by row), points every link at its place there and frees the others.
// Nothing changes and the answer is nullptr when the images do not fit or when cancelled.
TteBitmap* PackImages(TSeSkinSource& source, int width, int height, const TProgress& progress = {});

}  // namespace vt
