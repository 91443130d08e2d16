// vtskin sheet: the contact sheet of a skin painted through the skin-backed theme.
#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "theme/te_contactsheet.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

QString FamilyNames() {
  QStringList names;
  for (const std::string& family : ContactSheetFamilies()) names << QString::fromStdString(family);
  return names.join(", ");
}

std::string KnownFamily(const QString& name) {
  for (const std::string& family : ContactSheetFamilies())
    if (SameText(family, name.toStdString())) return family;
  throw EUsageError("sheet: unknown family \"" + name + "\"; use one of " + FamilyNames());
}

int RunSheet(TCommandContext& context, const TParsedArgs& args) {
  PictureFormatFor(args.Positional[1]);
  TContactSheetOptions options;
  if (const auto family = args.Value("family")) options.Family = KnownFamily(*family);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  if (const auto object = args.Value("object")) {
    options.ObjectName = object->toStdString();
    if (!skin.Source->GetObjectByName(options.ObjectName))
      context.Warn(skin.FileName + ": no top-level object \"" + *object +
                   "\"; the sheet shows what a control naming it gets (each family's default)");
  }
  TTeSkinFile theme;
  if (!theme.LoadFromSkinSource(*skin.Source))
    throw EInputProblem(skin.FileName + ": the skin holds no objects to paint");
  WritePicture(context, RenderContactSheet(theme, options), args.Positional[1],
               {.WithAlpha = false, .PngTexts = {}});
  return kExitOk;
}

}  // namespace

TCommandSpec SheetCommand() {
  TCommandSpec command;
  command.Name = "sheet";
  command.Arguments = "FILE OUT.png";
  command.Summary = "the contact sheet: every part of every family in every state";
  command.Description =
      "Loads the skin into the skin-backed theme and paints, for every drawing family the\n"
      "themed controls use, every part it knows in every state (normal, hot, pressed,\n"
      "focused, disabled; checked, unchecked and mixed marks; active and inactive\n"
      "windows) at representative sizes, each cell labelled with family, part and state.\n"
      "The cells are painted exactly as a control requests them, so a part the skin lacks\n"
      "shows as an empty cell (or, where the theme falls back, the plain drawing).\n"
      "OUT.png may also be a .bmp name, or - for a PNG on standard output.\n"
      "\n"
      "Families: " +
      FamilyNames() +
      ".\n"
      "\n"
      "Example: vtskin sheet demo-dark.mskn sheet.png --family Scroll";
  command.Options = {
      {"family", "NAME", "only the family of this name"},
      {"object", "NAME", "the object name a control would send (its ThemeObject)"},
  };
  command.MinPositional = 2;
  command.MaxPositional = 2;
  command.Run = RunSheet;
  return command;
}

}  // namespace vt
