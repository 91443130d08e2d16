#pragma once
// What several vtskin commands share: loading a skin file with every failure turned into
// a message that names the file, finding an object by its path, and writing pictures.
// Posing and painting objects are engine services (skin/se_skinpreview.h).
#include <QImage>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinpreview.h"
#include "skin/se_skinsource.h"
#include "skin/te_png.h"

namespace vt {

struct TLoadedSkin {
  QString FileName;  // as given on the command line
  std::unique_ptr<TSeSkinSource> Source;
  const TSeSkinFilterClass* Filter = nullptr;  // the filter the extension chose
  std::string Tag;                             // the first 5 bytes of the file, printable
  std::vector<std::string> Warnings;           // what the load passed over
};

// Registers the skin object classes and filters (idempotent).
void PrepareSkinEngine();

// Loads a skin as the skin source does (the filter chosen by the extension). EInputProblem
// naming the file for a missing or unreadable file, an extension no filter claims, and a
// damaged file.
TLoadedSkin LoadSkinFile(const QString& fileName);
// Prints the load's warnings as "vtskin: FILE: warning: ..." on standard error.
void ReportLoadWarnings(TCommandContext& context, const TLoadedSkin& skin);

// The object at `path` (FindSkinObjectByPath). EInputProblem naming the step that finds
// nothing, and listing the top-level objects when it is the first.
TSeSkinObject& FindObjectPath(const TLoadedSkin& skin, const QString& path);
// "Form/TopBand/Caption": the names from the top-level object down to `object`.
QString ObjectPath(const TSeSkinObject& object);

// Skin text (8-bit, as stored) for printing, and back.
QString SkinText(const std::string& text);

// The object states the tool accepts, by name.
std::optional<int> ParseObjectState(const QString& name);  // "hot" -> 5
QString ObjectStateNames();                                // "normal, hot, ..."

// The picture files the tool writes, by the output name: ".png" a PNG, ".bmp" a Windows
// bitmap, "-" a PNG on standard output, a name without an extension a PNG. EUsageError
// for any other extension (the tool writes no JPEG), checked before any work is done.
enum class TPictureFormat { Png, Bmp };
TPictureFormat PictureFormatFor(const QString& fileName);
bool IsStandardOutput(const QString& fileName);

struct TPictureOptions {
  // A PNG with an alpha channel; a bitmap then shows magenta where the picture is fully
  // transparent. False: the picture is opaque as it stands.
  bool WithAlpha = true;
  std::vector<TPngText> PngTexts;  // text chunks of a PNG
};
// Writes the picture in the format its name asks for, to the file or, for "-", to
// standard output. EInputProblem with the writer's reason (naming the file) on failure.
void WritePicture(TCommandContext& context, const QImage& image, const QString& fileName,
                  const TPictureOptions& options);

}  // namespace vt
