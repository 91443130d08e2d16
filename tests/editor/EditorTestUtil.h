#pragma once
// Shared by the editor's tests: demo skin copies, property text, changes, small files.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "editor/SkinDocument.h"
#include "rtl/PropStream.h"
#include "rtl/Streams.h"
#include "skin/te_png.h"
#include "skin/theme_se3objects.h"

namespace vt::test {

// A fresh folder for copies of the demo skins.
struct TSkinFolder {
  QString Path(const QString& name) const { return FDir.filePath(name); }
  // A copy of the light demo skin in `extension`'s variant ("mskn", "uskn"...).
  QString DemoCopy(const QString& extension = "mskn") const {
    const QString copy = Path("demo-light." + extension);
    if (!QFile::exists(copy)) {
      EXPECT_TRUE(QFile::copy(QString(VTSKIN_SAMPLES) + "/demo-light." + extension, copy));
    }
    return copy;
  }
  QTemporaryDir FDir;
};

// The object's property text, as the clipboard and the text dump write it.
inline std::string PropertyText(const TSeSkinObject& object) {
  TMemoryStream stream;
  WriteComponent(stream, object);
  return ObjectBinaryToText(stream.Bytes());
}

// A change of the selected object's Left through the document, as the inspector does it.
inline void ChangeLeft(TSkinDocument& document, int left) {
  document.PropertyChanging();
  document.Selected()->SetLeft(left);
  document.PropertyChanged();
}

// 4 x 4 pixels of colour (x * 60, y * 60, 200), the top-left one with the given alpha.
inline QImage ColourGrid(int topLeftAlpha = 255) {
  QImage image(4, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) image.setPixel(x, y, qRgba(x * 60, y * 60, 200, 255));
  image.setPixel(0, 0, qRgba(0, 0, 200, topLeftAlpha));
  return image;
}

// `image` written as `name` in `dir`: a PNG keeping its alpha, or else an opaque BMP.
inline QString WritePicture(const QTemporaryDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  if (name.endsWith(".png"))
    SavePngFile(image, path.toStdString(), TPngAlpha::WithAlpha);
  else
    image.convertToFormat(QImage::Format_RGB32).save(path, "BMP");
  return path;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

}  // namespace vt::test
