#pragma once
// Writing a skin's images to picture files, one file per image: images with partial
// transparency as PNG with an alpha channel, the others as bitmaps whose transparent
// parts are magenta. The editor's export window and the command-line tool share it.
#include <functional>
#include <string>
#include <vector>

#include "skin/te_bitmap.h"

namespace vt {

// Folders, file names and the lines below are in the file system's encoding (UTF-8), as
// QString::toStdString and QFile::encodeName give them; image names, stored as the skins'
// 8-bit text, are converted to it, so that "Caf\xE9" is written as "Café.bmp".

// The folder as the export shows it: with a trailing "/".
std::string ExportFolderText(std::string folder);

// Empty when `name` can be used as a file name inside the export folder; otherwise the
// reason. Names that would leave the folder ("..", anything with "/") or that no file
// system accepts (empty, NUL) are refused.
std::string ExportNameProblem(const std::string& name);

// The file name, without extension, that an image of this stored name is exported as.
std::string ExportedName(const std::string& name);

struct TExportCallbacks {
  // After each written file: "Bitmap NAME saved as FILE".
  std::function<void(const std::string&)> Saved;
  // For each image whose name was refused; the export goes on with the next image.
  std::function<void(const std::string&)> Refused;
};

// Writes every image of the list, in list order, into `folder`. A failure to write a file
// raises an exception with the writer's message; files written before it remain.
// Returns the number of files written.
int ExportBitmaps(const TteBitmapList& bitmaps, const std::string& folder,
                  const TExportCallbacks& callbacks);

// The picture one image exports as: its own pixels with alpha, or opaque with magenta
// where it is transparent.
QImage ExportPicture(const TteBitmap& bitmap);

// The bytes of a Windows bitmap file of the picture (Qt's writer).
std::vector<uint8_t> EncodeBmp(const QImage& picture);

}  // namespace vt
