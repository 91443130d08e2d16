#include "cli/CliSkin.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string_view>

#include "rtl/TypInfo.h"
#include "skin/se_skinrecords.h"
#include "skin/te_png.h"

namespace vt {

void PrepareSkinEngine() {
  RegisterSkinObjectClasses();
  RegisterSkinFilters();
  InstallSkinObjectStreaming();
}

QString SkinText(const std::string& text) {
  // Skin files hold 8-bit text of the designer's code page; Latin-1 shows every byte as
  // one character and loses nothing.
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

namespace {

void CheckReadableFile(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.exists()) throw EInputProblem(fileName + ": no such file");
  if (info.isDir()) throw EInputProblem(fileName + ": is a folder, not a skin file");
  if (!info.isReadable()) throw EInputProblem(fileName + ": cannot be read (permission denied)");
}

QString KnownExtensions() {
  QStringList extensions;
  for (const TSeSkinFilterClass* filter : SkinFilters())
    extensions << "." + QString::fromStdString(filter->GetFileExtension());
  return extensions.join(", ");
}

// The filter whose tag the file starts with, when that is another one than the extension
// chose: a renamed file is then read with the wrong layout, and the message says why.
QString TagHint(const QString& fileName, const TSeSkinFilterClass& chosen) {
  TFileStream stream(fileName.toStdString(), TFileMode::fmOpenRead);
  const TSeSkinFilterClass* byTag = FindSkinFilterByStream(stream);
  if (!byTag || byTag == &chosen) return {};
  return "the file starts with the tag of ." + QString::fromStdString(byTag->GetFileExtension()) +
         " files, not of ." + QString::fromStdString(chosen.GetFileExtension()) + " files";
}

std::string ReadTag(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(TSeSkinFilter::kTagSize);
  std::string tag;
  for (char c : bytes)
    if (c >= 0x20 && c < 0x7F) tag += c;
  return tag;
}

// The engine's load messages open with "Damaged skin: " so that they stand alone in a
// message box; here the line already says so.
QString WithoutDamagedPrefix(const std::string& message) {
  const std::string_view prefix = "Damaged skin: ";
  const bool hasPrefix = message.compare(0, prefix.size(), prefix) == 0;
  return QString::fromStdString(hasPrefix ? message.substr(prefix.size()) : message);
}

}  // namespace

TLoadedSkin LoadSkinFile(const QString& fileName) {
  PrepareSkinEngine();
  CheckReadableFile(fileName);
  TLoadedSkin skin;
  skin.FileName = fileName;
  skin.Filter = FindSkinFilterByExtension(fileName.toStdString());
  if (!skin.Filter)
    throw EInputProblem(fileName + ": not a skin file name: the extension must be one of " +
                        KnownExtensions());
  skin.Tag = ReadTag(fileName);
  const QString hint = TagHint(fileName, *skin.Filter);
  skin.Source = std::make_unique<TSeSkinSource>();
  try {
    skin.Source->LoadFromFile(QFileInfo(fileName).absoluteFilePath().toStdString());
  } catch (const std::bad_alloc&) {
    throw EInputProblem(fileName + ": damaged skin file: it asks for more memory than there is");
  } catch (const std::exception& e) {
    throw EInputProblem(fileName + ": damaged skin file: " + WithoutDamagedPrefix(e.what()) +
                        (hint.isEmpty() ? QString() : " (" + hint + ")"));
  }
  skin.Warnings = skin.Source->Warnings;
  if (!hint.isEmpty()) skin.Warnings.push_back(hint.toStdString());
  return skin;
}

void ReportLoadWarnings(TCommandContext& context, const TLoadedSkin& skin) {
  for (const std::string& warning : skin.Warnings)
    context.Warn(skin.FileName + ": warning: " + SkinText(warning));
}

namespace {

TSeSkinObject* FindBelow(TSeSkinObject& object, const std::string& name) {
  for (int i = 0; i < object.ChildCount(); ++i)
    if (TSeSkinObject* found = object.Children(i)->FindByName(name)) return found;
  return nullptr;
}

QString TopLevelNames(const TSeSkinSource& source) {
  QStringList names;
  for (int i = 0; i < source.Count(); ++i) names << SkinText(source.Objects(i)->GetName());
  return names.isEmpty() ? QString("none") : names.join(", ");
}

}  // namespace

TSeSkinObject& FindObjectPath(const TLoadedSkin& skin, const QString& path) {
  const QStringList steps = path.split('/', Qt::SkipEmptyParts);
  TSeSkinObject* object =
      steps.isEmpty() ? nullptr : skin.Source->GetObjectByName(steps[0].toLatin1().toStdString());
  if (!object)
    throw EInputProblem(skin.FileName + ": no top-level object \"" + steps.value(0) +
                        "\" (the skin has: " + TopLevelNames(*skin.Source) + ")");
  for (qsizetype i = 1; i < steps.size(); ++i) {
    TSeSkinObject* below = FindBelow(*object, steps[i].toLatin1().toStdString());
    if (!below)
      throw EInputProblem(skin.FileName + ": no object \"" + steps[i] + "\" below \"" +
                          ObjectPath(*object) + "\"");
    object = below;
  }
  return *object;
}

QString ObjectPath(const TSeSkinObject& object) {
  QStringList names;
  for (const TComponent* c = &object; c; c = c->Owner()) {
    const auto* skinObject = dynamic_cast<const TSeSkinObject*>(c);
    if (!skinObject) break;
    names.prepend(SkinText(skinObject->GetName()));
  }
  return names.join('/');
}

namespace {

struct TStateName {
  const char* Name;
  int State;
};
constexpr TStateName kStates[] = {{"normal", ssNormal},
                                  {"hot", ssHot},
                                  {"pressed", ssPressed},
                                  {"focused", ssFocused},
                                  {"disabled", ssDisabled}};

}  // namespace

std::optional<int> ParseObjectState(const QString& name) {
  for (const TStateName& state : kStates)
    if (name.compare(state.Name, Qt::CaseInsensitive) == 0) return state.State;
  return std::nullopt;
}

QString ObjectStateNames() {
  QStringList names;
  for (const TStateName& state : kStates) names << state.Name;
  return names.join(", ");
}

void RealignTree(TSeSkinObject& object) {
  object.AlignChildren();
  for (int i = 0; i < object.ChildCount(); ++i) RealignTree(*object.Children(i));
}

void PrepareObject(TSeSkinObject& object, TSize2 size, const TRenderSettings& settings) {
  // The state first: the window states also decide which caption buttons show, and the
  // border icons then hide those an ordinary window does not have.
  object.SetState(settings.State);
  object.SetBorderIcons(
      BorderIconBit(TSeBorderIcon::biSysMenu) | BorderIconBit(TSeBorderIcon::biClose) |
      BorderIconBit(TSeBorderIcon::biMinimize) | BorderIconBit(TSeBorderIcon::biMaximize));
  object.SetActive(settings.Active);
  if (settings.Text) {
    TSeSkinObject* title = object.FindByKind(TSeKind::skTitle);
    (title ? title : &object)->SetText(*settings.Text);
  }
  object.SetBounds({0, 0, size.Width, size.Height});
  // Hidden caption buttons give their room back only when the tree is laid out again.
  RealignTree(object);
}

namespace {

QImage PaintOver(TSeSkinObject& object, uint32_t background) {
  QImage image(object.GetWidth(), object.GetHeight(), QImage::Format_ARGB32);
  image.fill(background);
  TCanvas canvas(image);
  object.Draw(canvas, TRect{});
  return image;
}

// The object's pixels with their alpha, recovered from the same painting over black and
// over white: where it leaves the background alone the two differ by 255, where it covers
// it they agree, and in between the difference is what shows through.
QImage RecoverAlpha(const QImage& overBlack, const QImage& overWhite) {
  QImage result(overBlack.size(), QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    const auto* black = reinterpret_cast<const QRgb*>(overBlack.constScanLine(y));
    const auto* white = reinterpret_cast<const QRgb*>(overWhite.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      const int through =
          std::max({qRed(white[x]) - qRed(black[x]), qGreen(white[x]) - qGreen(black[x]),
                    qBlue(white[x]) - qBlue(black[x]), 0});
      const int alpha = 255 - std::min(through, 255);
      if (alpha == 0) {
        out[x] = 0;
        continue;
      }
      auto unmix = [alpha](int v) { return std::min(255, (v * 255 + alpha / 2) / alpha); };
      out[x] = qRgba(unmix(qRed(black[x])), unmix(qGreen(black[x])), unmix(qBlue(black[x])), alpha);
    }
  }
  return result;
}

}  // namespace

QImage RenderObject(TSeSkinObject& object, bool designMode) {
  const bool savedDesignMode = SkinDesignMode;
  SkinDesignMode = designMode;
  QImage overBlack, overWhite;
  try {
    overBlack = PaintOver(object, 0xFF000000u);
    overWhite = PaintOver(object, 0xFFFFFFFFu);
  } catch (...) {
    SkinDesignMode = savedDesignMode;
    throw;
  }
  SkinDesignMode = savedDesignMode;
  return RecoverAlpha(overBlack, overWhite);
}

void WritePng(const QImage& image, const QString& fileName, bool withAlpha) {
  try {
    SavePngFile(image, fileName.toStdString(),
                withAlpha ? TPngAlpha::WithAlpha : TPngAlpha::Opaque);
  } catch (const std::exception& e) {
    throw EInputProblem(fileName +
                        ": cannot write the picture: " + QString::fromStdString(e.what()));
  }
}

}  // namespace vt
