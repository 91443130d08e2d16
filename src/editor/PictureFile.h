#pragma once
// Picture files that become skin images: PNG pictures through libpng, keeping their
// alpha, and every other format Qt reads (Windows bitmaps among them), taken opaque.
#include <QString>
#include <QStringList>

#include "skin/te_bitmap.h"

namespace vt {

// The file-dialog filter of the pictures LoadPicture reads, bitmaps and PNG first.
QString PictureFileFilter();

// Loads `fileName` into `bitmap` and names it after the file (without folder). A PNG
// picture with transparency keeps its alpha bytes; any other picture is opaque. Sizes are
// checked before pixel memory is reserved. Exception naming the file when it cannot be
// read; `bitmap` is then unchanged.
void LoadPicture(const QString& fileName, TteBitmap& bitmap);

}  // namespace vt
