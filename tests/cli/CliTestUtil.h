#pragma once
// Running vtskin in-process and building small skins for its tests.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <string>

#include "cli/CliSkin.h"
#include "cli/VtSkin.h"
#include "skin/se_skinsource.h"

namespace vt::test {

struct TToolRun {
  int Code = -1;
  QString Out;
  QString Err;
};

inline TToolRun RunTool(const QStringList& args, bool progress = false) {
  TToolRun run;
  QTextStream out(&run.Out), err(&run.Err);
  TVtSkinOptions options;
  options.ShowProgress = progress;
  run.Code = RunVtSkin(args, out, err, options);
  out.flush();
  err.flush();
  return run;
}

inline QString DemoSkin(const QString& stem, const QString& extension = "mskn") {
  return QString(VTSKIN_DEMO_SKIN_DIR) + "/" + stem + "." + extension;
}

// A bitmap of `width` x `height` filled with one pixel value, named `name`.
inline TteBitmap* MakeBitmap(const std::string& name, int width, int height, uint32_t pixel) {
  auto* bitmap = new TteBitmap;
  bitmap->SetName(name);
  bitmap->SetSize(width, height);
  bitmap->FillColor(pixel);
  bitmap->CheckAlpha();
  return bitmap;
}

inline TSeSkinObject* AddTopLevel(TSeSkinSource& source, const std::string& name) {
  auto* object = new TSeSkinObject(nullptr);
  object->SetName(name);
  object->SetBounds({0, 0, 40, 20});
  source.AddObject(object);
  return object;
}

inline QString SaveSkin(TSeSkinSource& source, const QTemporaryDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  source.SaveToFile(path.toStdString());
  return path;
}

// The engine started and a temporary folder for what a command writes.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareSkinEngine();
    ASSERT_TRUE(Dir.isValid());
  }
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(Dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }
  // The first `count` bytes of the file, all of them by default.
  static QByteArray ReadFile(const QString& path, qint64 count = -1) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return count < 0 ? file.readAll() : file.read(count);
  }
  QTemporaryDir Dir;
};

}  // namespace vt::test
