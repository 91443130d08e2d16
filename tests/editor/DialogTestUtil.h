#pragma once
// Small pictures written to a temporary folder for the picture dialogs' tests.
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include "skin/te_png.h"

namespace vt::test {

// A 4 x 4 picture: column x, row y has the colour (x * 60, y * 60, 200), and its
// top-left pixel has the given alpha.
inline QImage ColourGrid(int topLeftAlpha = 255) {
  QImage image(4, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) image.setPixel(x, y, qRgba(x * 60, y * 60, 200, 255));
  image.setPixel(0, 0, qRgba(0, 0, 200, topLeftAlpha));
  return image;
}

inline QString WritePng(const QTemporaryDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  SavePngFile(image, path.toStdString(), TPngAlpha::WithAlpha);
  return path;
}

inline QString WriteBmp(const QTemporaryDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
  return path;
}

}  // namespace vt::test
