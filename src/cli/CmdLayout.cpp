// vtskin layout FILE OBJECT WIDTHxHEIGHT [--json]: the bounds after alignment.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"

namespace vt {

namespace {

void PrintTree(QTextStream& out, const TSeSkinObject& object, int depth) {
  if (!object.GetVisible()) return;
  out << QString(2 * depth, ' ') << SkinText(object.GetName()) << " ("
      << QString::fromStdString(object.ClassName()) << ") " << object.GetLeft() << ","
      << object.GetTop() << " " << object.GetWidth() << "x" << object.GetHeight() << "\n";
  for (int i = 0; i < object.ChildCount(); ++i) PrintTree(out, *object.Children(i), depth + 1);
}

QJsonObject TreeJson(const TSeSkinObject& object) {
  QJsonArray children;
  for (int i = 0; i < object.ChildCount(); ++i)
    if (object.Children(i)->GetVisible()) children.append(TreeJson(*object.Children(i)));
  return {{"name", SkinText(object.GetName())},
          {"class", QString::fromStdString(object.ClassName())},
          {"left", object.GetLeft()},
          {"top", object.GetTop()},
          {"width", object.GetWidth()},
          {"height", object.GetHeight()},
          {"children", children}};
}

int RunLayout(TCommandContext& context, const TParsedArgs& args) {
  const TSize2 size = ParseSize(args.Positional[2]);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject& object = FindObjectPath(skin, args.Positional[1]);
  PoseSkinObject(object, QSize(size.Width, size.Height), {});
  if (args.Has("json"))
    context.Out << QJsonDocument(TreeJson(object)).toJson(QJsonDocument::Indented);
  else
    PrintTree(context.Out, object, 0);
  return kExitOk;
}

}  // namespace

TCommandSpec LayoutCommand() {
  TCommandSpec command;
  command.Name = "layout";
  command.Arguments = "FILE OBJECT WIDTHxHEIGHT";
  command.Summary = "print where every object lands at a size";
  command.Description =
      "Gives OBJECT the bounds (0, 0, WIDTH, HEIGHT), lays out its tree by the objects'\n"
      "alignments, and prints every visible object with its class, position and size.\n"
      "Caption buttons show as for an ordinary window (system menu, close, minimise,\n"
      "maximise). In JSON each object has name, class, left, top, width, height and\n"
      "children.\n"
      "\n"
      "Example: vtskin layout demo-light.mskn Form 640x480 --json";
  command.Options = {{"json", "", "print one JSON document instead of text"}};
  command.MinPositional = command.MaxPositional = 3;
  command.Run = RunLayout;
  return command;
}

}  // namespace vt
