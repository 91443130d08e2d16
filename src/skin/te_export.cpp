#include "te_export.h"

#include <QBuffer>
#include <QFile>

#include "rtl/AnsiText.h"
#include "rtl/FileOutput.h"
#include "skin/te_png.h"

namespace vt {

std::string ExportFolderText(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ExportedName(const std::string& name) {
  return QFile::encodeName(AnsiToQString(name)).toStdString();
}

std::string ExportNameProblem(const std::string& name) {
  const std::string shown = ExportedName(name);
  if (name.empty()) return "the image has no name";
  if (name == "." || name == "..") return "the name \"" + shown + "\" would leave the folder";
  if (name.find('/') != std::string::npos)
    return "the name \"" + shown + "\" contains \"/\" and would leave the folder";
  if (name.find('\0') != std::string::npos) return "the name contains a NUL character";
  return {};
}

QImage ExportPicture(const TteBitmap& bitmap) {
  if (bitmap.AlphaFlag()) return bitmap.ToImage();
  // Transparent parts stay magenta: the image is drawn with its own transparency over a
  // magenta picture of its size.
  QImage picture(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  picture.fill(QColor(255, 0, 255));
  TCanvas canvas(picture);
  bitmap.Draw(canvas, 0, 0);
  return picture;
}

std::vector<uint8_t> EncodeBmp(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "BMP")) throw EWriteError("Cannot encode the bitmap picture");
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

static void SaveBmp(const QImage& picture, const std::string& fileName) {
  WriteWholeFile(fileName, EncodeBmp(picture));
}

int ExportBitmaps(const TteBitmapList& bitmaps, const std::string& folder,
                  const TExportCallbacks& callbacks) {
  const std::string base = ExportFolderText(folder);
  int written = 0;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    if (bitmap.Empty()) continue;
    if (const std::string problem = ExportNameProblem(bitmap.Name()); !problem.empty()) {
      if (callbacks.Refused) callbacks.Refused("Bitmap not exported: " + problem);
      continue;
    }
    const bool alpha = bitmap.AlphaFlag();
    const std::string name = ExportedName(bitmap.Name());
    const std::string fileName = base + name + (alpha ? ".png" : ".bmp");
    if (alpha)
      SavePngFile(ExportPicture(bitmap), fileName, TPngAlpha::WithAlpha);
    else
      SaveBmp(ExportPicture(bitmap), fileName);
    ++written;
    if (callbacks.Saved) callbacks.Saved("Bitmap " + name + " saved as " + fileName);
  }
  return written;
}

}  // namespace vt
