#include "EditorTestUtil.h"

#include <gtest/gtest.h>

#include <QFile>

#include "rtl/PropStream.h"
#include "rtl/Streams.h"
#include "skin/theme_se3objects.h"

namespace vt::test {

TSkinFolder::TSkinFolder() {
  EXPECT_TRUE(FDir.isValid());
}

QString TSkinFolder::DemoCopy(const QString& extension) const {
  const QString source = QString(VTSKIN_SAMPLES) + "/demo-light." + extension;
  const QString copy = Path("demo-light." + extension);
  if (!QFile::exists(copy)) {
    EXPECT_TRUE(QFile::copy(source, copy)) << source.toStdString();
  }
  return copy;
}

std::string PropertyText(const TSeSkinObject& object) {
  TMemoryStream stream;
  WriteComponent(stream, object);
  return ObjectBinaryToText(stream.Bytes());
}

void ChangeLeft(TSkinDocument& document, int left) {
  document.PropertyChanging();
  document.Selected()->SetLeft(left);
  document.PropertyChanged();
}

}  // namespace vt::test
