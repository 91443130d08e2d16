// The style plugin loaded by its key in separate processes: unlike Fusion, and Fusion with
// one warning when it cannot read the skin.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "GoldenImage.h"

namespace vt::test {
namespace {

struct TProbeRun {
  int ExitCode = -1;
  QString Errors;
  QImage Image;
};

TProbeRun RunProbe(const QString& style, const QString& theme = {}) {
  QTemporaryDir folder;
  const QString output = folder.filePath(QStringLiteral("button.png"));
  QProcess probe;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(VTSKIN_PLUGIN_DIR));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.remove(QStringLiteral("VTSKIN_THEME"));
  if (!theme.isEmpty()) environment.insert(QStringLiteral("VTSKIN_THEME"), theme);
  probe.setProcessEnvironment(environment);
  probe.start(QStringLiteral(VTSKIN_STYLE_PROBE), {style, output});
  probe.waitForFinished(30000);
  return {probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1,
          QString::fromLocal8Bit(probe.readAllStandardError()),
          QImage(output).convertToFormat(QImage::Format_ARGB32_Premultiplied)};
}

TEST(StylePluginTest, LoadsByKeyAndAnUnreadableSkinKeepsFusionWithOneWarning) {
  const TProbeRun fusion = RunProbe(QStringLiteral("Fusion"));
  const TProbeRun skin = RunProbe(QStringLiteral("vtskin"));
  const TProbeRun broken =
      RunProbe(QStringLiteral("vtskin"), QStringLiteral("/nonexistent/skin.mskn"));
  ASSERT_EQ(fusion.ExitCode, 0);
  ASSERT_EQ(skin.ExitCode, 0) << skin.Errors.toStdString();
  ASSERT_EQ(skin.Image.size(), fusion.Image.size());
  EXPECT_GT(CountDifferingPixels(skin.Image, fusion.Image, 8), 200);
  ASSERT_EQ(broken.ExitCode, 0);
  EXPECT_EQ(broken.Errors.count(QStringLiteral("vtskin:")), 1) << broken.Errors.toStdString();
  EXPECT_TRUE(broken.Errors.contains(QStringLiteral("/nonexistent/skin.mskn")));
  EXPECT_EQ(CountDifferingPixels(broken.Image, fusion.Image, 0), 0);
}

}  // namespace
}  // namespace vt::test
