// The style plugin: loads the skin named by VTSKIN_THEME (or the built-in light demo skin),
// makes it the current theme and answers the skin style. A skin that cannot be read
// leaves the program on Fusion, with one warning that says which file and why.
#include <QFile>
#include <QStyleFactory>
#include <QStylePlugin>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "controls/TTeStyle.h"
#include "rtl/Streams.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

constexpr const char* kBuiltInSkin = ":/vtskin/demo-light.mskn";

std::unique_ptr<TteTheme> LoadBuiltInTheme() {
  QFile file(QString::fromLatin1(kBuiltInSkin));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  const QByteArray bytes = file.readAll();
  TMemoryStream stream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  return LoadThemeFromStream(stream);
}

// The theme to paint with, or none with the reason in `failure`.
std::unique_ptr<TteTheme> LoadStyleTheme(const QString& fileName, QString& failure) {
  try {
    std::unique_ptr<TteTheme> theme =
        fileName.isEmpty() ? LoadBuiltInTheme() : LoadThemeFromFile(fileName.toStdString());
    if (!theme) failure = QStringLiteral("not a skin file, or no such file");
    return theme;
  } catch (const std::exception& error) {
    failure = QString::fromLocal8Bit(error.what());
    return nullptr;
  }
}

}  // namespace

class TTeStylePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "vtskin.json")

 public:
  QStyle* create(const QString& key) override {
    if (key.compare(QLatin1String("vtskin"), Qt::CaseInsensitive) != 0) return nullptr;
    RegisterSkinTheme();
    const QString fileName = qEnvironmentVariable("VTSKIN_THEME");
    QString failure;
    std::unique_ptr<TteTheme> theme = LoadStyleTheme(fileName, failure);
    if (!theme) {
      qWarning("vtskin: cannot read the skin \"%s\" (%s); keeping the Fusion style",
               qPrintable(fileName.isEmpty() ? QString::fromLatin1(kBuiltInSkin) : fileName),
               qPrintable(failure));
      return QStyleFactory::create(QStringLiteral("Fusion"));
    }
    SetCurrentTheme(std::move(theme));
    return new TTeStyle;
  }
};

}  // namespace vt

#include "TTeStylePlugin.moc"
