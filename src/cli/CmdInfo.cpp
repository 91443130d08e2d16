// vtskin info FILE [--json]: what a skin file holds.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "rtl/TypInfo.h"

namespace vt {

namespace {

QString EnumText(const TTypeInfo& type, int ordinal) {
  return QString::fromStdString(type.NameOf(ordinal));
}

QString VariantText(const TLoadedSkin& skin) {
  return QString::fromStdString(skin.Filter->GetFileExtension()) + " (" +
         QString::fromStdString(skin.Filter->GetFileTypeName()) + ")";
}

// ---- Text ---------------------------------------------------------------------------

void PrintObject(QTextStream& out, const TSeSkinObject& object, int depth) {
  out << QString(2 * depth + 2, ' ') << SkinText(object.GetName()) << "  "
      << QString::fromStdString(object.ClassName()) << "  "
      << EnumText(EnumTypeInfo<TSeKind>::Info(), int(object.GetKind())) << "  "
      << EnumText(EnumTypeInfo<TSeAlign>::Info(), int(object.GetAlign())) << "  at "
      << object.GetLeft() << "," << object.GetTop() << " size " << object.GetWidth() << "x"
      << object.GetHeight() << "\n";
  for (int i = 0; i < object.ChildCount(); ++i) PrintObject(out, *object.Children(i), depth + 1);
}

void PrintImages(QTextStream& out, const TteBitmapList& bitmaps) {
  out << "Images: " << bitmaps.Count() << "\n";
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    out << "  " << SkinText(bitmap.Name()) << "  " << bitmap.Width() << "x" << bitmap.Height();
    if (bitmap.KeyFlag()) out << "  key";
    if (bitmap.AlphaFlag()) out << "  alpha";
    out << "\n";
  }
}

void PrintTables(QTextStream& out, const TSeSkinSource& source) {
  out << "Colors:\n";
  for (int i = 0; i < TteThemeColors::kCount; ++i)
    out << "  " << TteThemeColors::ColorName(i) << " = "
        << QString::fromStdString(ColorToString(source.Colors().GetColor(i))) << "\n";
  out << "System colors:\n";
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    out << "  " << QString::fromStdString(TteThemeSysColors::SystemColorName(i)) << " = "
        << QString::fromStdString(ColorToString(source.SysColors().GetColor(i))) << "\n";
  out << "Fonts:\n";
  for (int i = 0; i < TteThemeFonts::kCount; ++i)
    out << "  " << TteThemeFonts::FontName(i) << " = "
        << SkinText(FontToString(source.Fonts().Font(i))) << "\n";
}

void PrintText(QTextStream& out, const TLoadedSkin& skin) {
  const TSeSkinSource& source = *skin.Source;
  out << "File: " << skin.FileName << "\n";
  out << "Variant: " << VariantText(skin) << ", tag \"" << SkinText(skin.Tag) << "\"\n";
  out << "Skin name: " << SkinText(source.GetSkinName()) << "\n";
  out << "Skin version: " << SkinText(source.GetSkinVersion()) << "\n";
  out << "Author: " << SkinText(source.GetAuthor()) << "\n";
  out << "Author e-mail: " << SkinText(source.GetAuthorEMail()) << "\n";
  out << "Author URL: " << SkinText(source.GetAuthorURL()) << "\n";
  PrintImages(out, source.Bitmaps());
  out << "Objects: " << source.Count() << "\n";
  for (int i = 0; i < source.Count(); ++i) PrintObject(out, *source.Objects(i), 0);
  PrintTables(out, source);
  out << "Warnings: " << skin.Warnings.size() << "\n";
  for (const std::string& warning : skin.Warnings) out << "  " << SkinText(warning) << "\n";
}

// ---- JSON ---------------------------------------------------------------------------

QJsonObject ObjectJson(const TSeSkinObject& object) {
  QJsonArray children;
  for (int i = 0; i < object.ChildCount(); ++i) children.append(ObjectJson(*object.Children(i)));
  return {{"name", SkinText(object.GetName())},
          {"class", QString::fromStdString(object.ClassName())},
          {"kind", EnumText(EnumTypeInfo<TSeKind>::Info(), int(object.GetKind()))},
          {"align", EnumText(EnumTypeInfo<TSeAlign>::Info(), int(object.GetAlign()))},
          {"left", object.GetLeft()},
          {"top", object.GetTop()},
          {"width", object.GetWidth()},
          {"height", object.GetHeight()},
          {"children", children}};
}

QJsonArray ImagesJson(const TteBitmapList& bitmaps) {
  QJsonArray images;
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    images.append(QJsonObject{{"name", SkinText(bitmap.Name())},
                              {"width", bitmap.Width()},
                              {"height", bitmap.Height()},
                              {"key", bitmap.KeyFlag()},
                              {"alpha", bitmap.AlphaFlag()}});
  }
  return images;
}

QJsonObject TablesJson(const TSeSkinSource& source) {
  QJsonObject colors, sysColors, fonts;
  for (int i = 0; i < TteThemeColors::kCount; ++i)
    colors[TteThemeColors::ColorName(i)] =
        QString::fromStdString(ColorToString(source.Colors().GetColor(i)));
  for (int i = 0; i < TteThemeSysColors::kCount; ++i)
    sysColors[QString::fromStdString(TteThemeSysColors::SystemColorName(i))] =
        QString::fromStdString(ColorToString(source.SysColors().GetColor(i)));
  for (int i = 0; i < TteThemeFonts::kCount; ++i)
    fonts[TteThemeFonts::FontName(i)] = SkinText(FontToString(source.Fonts().Font(i)));
  return {{"colors", colors}, {"systemColors", sysColors}, {"fonts", fonts}};
}

void PrintJson(QTextStream& out, const TLoadedSkin& skin) {
  const TSeSkinSource& source = *skin.Source;
  QJsonArray objects, warnings;
  for (int i = 0; i < source.Count(); ++i) objects.append(ObjectJson(*source.Objects(i)));
  for (const std::string& warning : skin.Warnings) warnings.append(SkinText(warning));
  QJsonObject root{
      {"file", skin.FileName},
      {"variant", QString::fromStdString(skin.Filter->GetFileExtension())},
      {"variantName", QString::fromStdString(skin.Filter->GetFileTypeName())},
      {"tag", SkinText(skin.Tag)},
      {"skinName", SkinText(source.GetSkinName())},
      {"skinVersion", SkinText(source.GetSkinVersion())},
      {"author", SkinText(source.GetAuthor())},
      {"authorEMail", SkinText(source.GetAuthorEMail())},
      {"authorURL", SkinText(source.GetAuthorURL())},
      {"images", ImagesJson(source.Bitmaps())},
      {"objects", objects},
      {"warnings", warnings},
  };
  const QJsonObject tables = TablesJson(source);
  for (auto it = tables.begin(); it != tables.end(); ++it) root[it.key()] = it.value();
  out << QJsonDocument(root).toJson(QJsonDocument::Indented);
}

int RunInfo(TCommandContext& context, const TParsedArgs& args) {
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  if (args.Has("json"))
    PrintJson(context.Out, skin);
  else
    PrintText(context.Out, skin);
  return kExitOk;
}

}  // namespace

TCommandSpec InfoCommand() {
  TCommandSpec command;
  command.Name = "info";
  command.Arguments = "FILE";
  command.Summary = "show what a skin file holds";
  command.Description =
      "Prints the storage variant and the file's tag, the five descriptive strings, the\n"
      "images (name, size, and whether they use the transparent key or partial alpha),\n"
      "the object trees (name, class, kind, alignment, bounds), the 22 colours, 26 system\n"
      "colours and 66 fonts, and what the load passed over (records of unknown classes,\n"
      "unknown properties).\n"
      "\n"
      "Example: vtskin info demo-light.mskn --json";
  command.Options = {{"json", "", "print one JSON document instead of text"}};
  command.MinPositional = command.MaxPositional = 1;
  command.Run = RunInfo;
  return command;
}

}  // namespace vt
