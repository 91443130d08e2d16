// vtskin-preview [--empty] SKINFILE: shows a skin on live controls, in the controls preview
// window (or the bare one with --empty), without the editor.
#include <QApplication>
#include <QFileInfo>
#include <QStyleFactory>
#include <cstdio>
#include <memory>

#include "editor/TestForm.h"
#include "rtl/Fonts.h"
#include "theme/te_thememanager.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "vtskin-preview: %s\n", qPrintable(message));
  return 1;
}

std::unique_ptr<vt::TfrmPreviewBase> CreatePreview(bool empty, const QString& skinFile) {
  if (empty) return std::make_unique<vt::TfrmTestEmpty>(skinFile);
  return std::make_unique<vt::TfrmTest>(skinFile);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  QStringList arguments = app.arguments().mid(1);
  const bool empty = arguments.removeAll("--empty") > 0;
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: vtskin-preview [--empty] SKINFILE\n");
    return 2;
  }
  const QString skinFile = arguments.first();
  const QFileInfo file(skinFile);
  if (!file.isFile() || !file.isReadable()) return Fail(skinFile + ": cannot read the file");
  app.setStyle(QStyleFactory::create("Fusion"));
  try {
    std::unique_ptr<vt::TfrmPreviewBase> preview = CreatePreview(empty, file.absoluteFilePath());
    if (!vt::CurrentTheme()) return Fail(skinFile + ": not a skin this program can read");
    preview->show();
    return app.exec();
  } catch (const std::exception& error) {
    return Fail(skinFile + ": " + QString::fromUtf8(error.what()));
  }
}
