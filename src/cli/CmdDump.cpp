// vtskin dump FILE [OBJECT] [--raw]: the property text of objects.
#include "cli/CliCommands.h"
#include "cli/CliSkin.h"
#include "rtl/PropStream.h"

namespace vt {

namespace {

// The property text exactly as a text record stores it: the children are inside the
// binary "Objects" property, as hexadecimal data.
std::string StoredText(const TSeSkinObject& object) {
  TMemoryStream binary;
  WriteComponent(binary, object);
  return ObjectBinaryToText(binary.Bytes());
}

// The stored text with the "Objects" block replaced by the children's own text, nested
// and indented, which is how a person wants to read a tree.
QStringList ReadableLines(const TSeSkinObject& object) {
  const QStringList stored = SkinText(StoredText(object)).split("\r\n", Qt::SkipEmptyParts);
  QStringList lines;
  bool inObjects = false;
  for (const QString& line : stored) {
    if (!inObjects && line.trimmed().startsWith("Objects = {")) {
      inObjects = !line.trimmed().endsWith('}');
      continue;
    }
    if (inObjects) {
      inObjects = !line.trimmed().endsWith('}');
      continue;
    }
    lines << line;
  }
  const QString end = lines.isEmpty() ? QString() : lines.takeLast();
  for (int i = 0; i < object.ChildCount(); ++i)
    for (const QString& line : ReadableLines(*object.Children(i))) lines << "  " + line;
  if (!end.isEmpty()) lines << end;
  return lines;
}

void Dump(QTextStream& out, const TSeSkinObject& object, bool raw) {
  if (raw)
    out << SkinText(StoredText(object)).replace("\r\n", "\n");
  else
    out << ReadableLines(object).join('\n') << "\n";
}

int RunDump(TCommandContext& context, const TParsedArgs& args) {
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  const bool raw = args.Has("raw");
  if (args.Positional.size() > 1) {
    Dump(context.Out, FindObjectPath(skin, args.Positional[1]), raw);
    return kExitOk;
  }
  for (int i = 0; i < skin.Source->Count(); ++i) Dump(context.Out, *skin.Source->Objects(i), raw);
  return kExitOk;
}

}  // namespace

TCommandSpec DumpCommand() {
  TCommandSpec command;
  command.Name = "dump";
  command.Arguments = "FILE [OBJECT]";
  command.Summary = "print the property text of the objects";
  command.Description =
      "Prints every top-level object, or only OBJECT, as property text (\"object Name:\n"
      "TClass\", one \"Property = value\" line each, \"end\"), with the children nested\n"
      "inside their parent. OBJECT is a top-level name or a path such as\n"
      "\"Form/Caption/Close\". With --raw the text is exactly what a text record stores,\n"
      "the children being hexadecimal data in the \"Objects\" property.\n"
      "\n"
      "Example: vtskin dump demo-light.mskn Button";
  command.Options = {{"raw", "", "the stored text, children as binary data"}};
  command.MinPositional = 1;
  command.MaxPositional = 2;
  command.Run = RunDump;
  return command;
}

}  // namespace vt
