#pragma once
// What several vtskin commands share: loading a skin file with every failure turned into
// a message that names the file, finding an object by its path, putting an object into
// a state and painting it into a picture with real alpha.
#include <QImage>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"

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

// "Form" names a top-level object; "Form/Caption/Close" an object below it (each step
// searches the whole subtree below the previous one). EInputProblem listing the
// top-level objects when there is no such object.
TSeSkinObject& FindObjectPath(const TLoadedSkin& skin, const QString& path);
// "Form/TopBand/Caption": the names from the top-level object down to `object`.
QString ObjectPath(const TSeSkinObject& object);

// Skin text (8-bit, as stored) for printing, and back.
QString SkinText(const std::string& text);

// The object states the tool accepts, by name.
std::optional<int> ParseObjectState(const QString& name);  // "hot" -> 5
QString ObjectStateNames();                                // "normal, hot, ..."

struct TRenderSettings {
  int State = 0;
  bool Active = false;
  bool DesignMode = false;
  std::optional<QString> Text;
};

// Sets the object's state, activity, the border icons of an ordinary window (system
// menu, close, minimise, maximise) and the text, then its bounds to (0, 0, width,
// height) with the whole tree laid out again.
void PrepareObject(TSeSkinObject& object, TSize2 size, const TRenderSettings& settings);
// Lays out every object below `object` again, top-down.
void RealignTree(TSeSkinObject& object);

// Paints the prepared object into a picture of its size with real alpha (straight,
// QImage::Format_ARGB32): transparent wherever the object leaves the background alone,
// partly transparent where it blends.
QImage RenderObject(TSeSkinObject& object, bool designMode);

// Writes a PNG, turning a failure into EInputProblem naming the file.
void WritePng(const QImage& image, const QString& fileName, bool withAlpha);

}  // namespace vt
