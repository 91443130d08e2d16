#include "editor/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "skin/te_png.h"

namespace vt {

namespace {

bool HasPngSignature(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return false;
  static const char kSignature[] = "\x89PNG\r\n\x1a\n";
  return file.read(8) == QByteArray(kSignature, 8);
}

bool HasTransparency(const QImage& argb) {
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(row[x]) != 255) return true;
  }
  return false;
}

// Any picture Qt reads, opaque. The reader is asked for the size first, so that a small
// file that claims a huge picture is refused before its pixels are allocated.
QImage ReadOpaquePicture(const QString& fileName) {
  QImageReader reader(fileName);
  const QSize size = reader.size();
  if (size.isValid() &&
      (size.width() > int(kMaxPngDimension) || size.height() > int(kMaxPngDimension) ||
       uint64_t(size.width()) * uint64_t(size.height()) > kMaxPngPixels))
    throw Exception("The picture " + fileName.toStdString() + " is too large (" +
                    std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                    " pixels)");
  QImage image = reader.read();
  if (image.isNull())
    throw Exception("The picture " + fileName.toStdString() +
                    " cannot be read: " + reader.errorString().toStdString());
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QString PictureFileFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats())
    patterns << QStringLiteral("*.") + QString::fromLatin1(format);
  return QStringLiteral("Bitmaps and PNG pictures (*.bmp *.png);;All pictures (%1);;All files (*)")
      .arg(patterns.join(' '));
}

void LoadPicture(const QString& fileName, TteBitmap& bitmap) {
  if (!QFileInfo(fileName).isFile())
    throw Exception("The picture " + fileName.toStdString() + " does not exist");
  TteBitmap loaded;
  if (HasPngSignature(fileName)) {
    QImage png;
    try {
      png = LoadPngFile(fileName.toStdString());
    } catch (const Exception& error) {
      throw Exception("The picture " + fileName.toStdString() + " cannot be read: " + error.what());
    }
    // Only a picture that has transparency keeps its alpha; the rest are taken opaque,
    // as any other picture.
    loaded.AssignImage(HasTransparency(png) ? png : png.convertToFormat(QImage::Format_RGB32));
  } else {
    loaded.AssignImage(ReadOpaquePicture(fileName));
  }
  loaded.CheckAlpha();
  bitmap.Assign(loaded);
  bitmap.SetName(QFileInfo(fileName).fileName().toStdString());
}

}  // namespace vt
