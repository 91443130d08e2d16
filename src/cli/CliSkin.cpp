#include "cli/CliSkin.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <string_view>

#include "rtl/AnsiText.h"
#include "rtl/FileOutput.h"
#include "rtl/TypInfo.h"
#include "skin/se_skinrecords.h"
#include "skin/te_export.h"
#include "skin/te_png.h"

namespace vt {

void PrepareSkinEngine() {
  RegisterSkinObjectClasses();
  RegisterSkinFilters();
  InstallSkinObjectStreaming();
}

QString SkinText(const std::string& text) {
  return AnsiToQString(text);
}

namespace {

// A path typed on the command line in the skins' own 8-bit text. A character that 8-bit
// text cannot hold names no stored object, so it becomes a byte that no name contains
// rather than an error of its own: the lookup then says which step is missing.
std::string StoredPath(const QString& path) {
  std::string stored;
  for (const QChar character : path)
    stored += UnicodeToAnsiChar(character.unicode()).value_or('\0');
  return stored;
}

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

QString TopLevelNames(const TSeSkinSource& source) {
  QStringList names;
  for (int i = 0; i < source.Count(); ++i) names << SkinText(source.Objects(i)->GetName());
  return names.isEmpty() ? QString("none") : names.join(", ");
}

}  // namespace

TSeSkinObject& FindObjectPath(const TLoadedSkin& skin, const QString& path) {
  int missing = 0;
  TSeSkinObject* object = FindSkinObjectByPath(*skin.Source, StoredPath(path), &missing);
  if (object) return *object;
  const QStringList steps = path.split('/', Qt::SkipEmptyParts);
  if (missing == 0)
    throw EInputProblem(skin.FileName + ": no top-level object \"" + steps.value(0) +
                        "\" (the skin has: " + TopLevelNames(*skin.Source) + ")");
  const QString above = steps.mid(0, missing).join('/');
  throw EInputProblem(skin.FileName + ": no object \"" + steps.value(missing) + "\" below \"" +
                      ObjectPath(*FindSkinObjectByPath(*skin.Source, StoredPath(above))) + "\"");
}

QString ObjectPath(const TSeSkinObject& object) {
  return SkinText(SkinObjectPath(object));
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

bool IsStandardOutput(const QString& fileName) {
  return fileName == "-";
}

TPictureFormat PictureFormatFor(const QString& fileName) {
  const QString suffix = IsStandardOutput(fileName) ? QString() : QFileInfo(fileName).suffix();
  if (suffix.isEmpty() || suffix.compare("png", Qt::CaseInsensitive) == 0)
    return TPictureFormat::Png;
  if (suffix.compare("bmp", Qt::CaseInsensitive) == 0) return TPictureFormat::Bmp;
  throw EUsageError(fileName + ": cannot write \"." + suffix +
                    "\" pictures; name a .png or .bmp file, or - for standard output");
}

namespace {

// A bitmap has no alpha: where the picture is fully transparent it shows magenta, the
// colour skin images mark transparency with (as the export writes them); elsewhere the
// picture's own colour.
QImage OpaqueWithMagentaKey(const QImage& picture) {
  QImage opaque = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < opaque.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(opaque.scanLine(y));
    for (int x = 0; x < opaque.width(); ++x)
      row[x] = qAlpha(row[x]) == 0 ? qRgb(255, 0, 255) : (row[x] | 0xFF000000u);
  }
  return opaque.convertToFormat(QImage::Format_RGB32);
}

std::vector<uint8_t> EncodePicture(const QImage& image, TPictureFormat format,
                                   const TPictureOptions& options) {
  if (format == TPictureFormat::Bmp)
    return EncodeBmp(options.WithAlpha ? OpaqueWithMagentaKey(image) : image);
  return WritePngImage(image, options.WithAlpha ? TPngAlpha::WithAlpha : TPngAlpha::Opaque,
                       options.PngTexts);
}

}  // namespace

void WritePicture(TCommandContext& context, const QImage& image, const QString& fileName,
                  const TPictureOptions& options) {
  const std::vector<uint8_t> bytes = EncodePicture(image, PictureFormatFor(fileName), options);
  if (IsStandardOutput(fileName)) {
    context.WriteBinaryOut(bytes);
    return;
  }
  try {
    WriteWholeFile(fileName.toStdString(), bytes);
  } catch (const std::exception& e) {
    throw EInputProblem(
        fileName + ": cannot write the picture: " + QString::fromStdString(FileOutputReason(e)));
  }
}

}  // namespace vt
