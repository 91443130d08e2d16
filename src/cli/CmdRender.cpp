// vtskin render, region and thumbnail: pictures of objects.
#include <QPainter>
#include <QRegularExpression>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"

namespace vt {

namespace {

TSkinObjectPose PoseFrom(const TParsedArgs& args) {
  TSkinObjectPose pose;
  if (const auto state = args.Value("state")) {
    const std::optional<int> value = ParseObjectState(*state);
    if (!value)
      throw EUsageError("render: unknown state \"" + *state + "\"; use one of " +
                        ObjectStateNames());
    pose.State = *value;
  }
  pose.Active = args.Has("active");
  pose.Text = args.Value("text");
  return pose;
}

QSize ToQSize(TSize2 size) {
  return {size.Width, size.Height};
}

int RunRender(TCommandContext& context, const TParsedArgs& args) {
  const TSize2 size = ParseSize(args.Positional[2]);
  const TSkinObjectPose pose = PoseFrom(args);
  const QString output = args.Positional[3];
  PictureFormatFor(output);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject& object = FindObjectPath(skin, args.Positional[1]);
  PoseSkinObject(object, ToQSize(size), pose);
  WritePicture(context, RenderSkinObject(object, args.Has("design")), output, {});
  return kExitOk;
}

// ---- Region ---------------------------------------------------------------------------

QImage RegionMask(const QRegion& region, TSize2 size) {
  QImage mask(size.Width, size.Height, QImage::Format_RGB32);
  mask.fill(Qt::black);
  QPainter painter(&mask);
  for (const QRect& rect : region) painter.fillRect(rect, Qt::white);
  return mask;
}

void PrintRegion(QTextStream& out, const QRegion& region) {
  const QRect bounds = region.boundingRect();
  out << "Rectangles: " << region.rectCount() << "\n";
  if (region.isEmpty())
    out << "Bounds: empty\n";
  else
    out << "Bounds: " << bounds.left() << "," << bounds.top() << " " << bounds.width() << "x"
        << bounds.height() << "\n";
}

int RunRegion(TCommandContext& context, const TParsedArgs& args) {
  const TSize2 size = ParseSize(args.Positional[2]);
  const std::optional<QString> output =
      args.Positional.size() > 3 ? std::optional(args.Positional[3]) : std::nullopt;
  if (output) PictureFormatFor(*output);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject& object = FindObjectPath(skin, args.Positional[1]);
  PoseSkinObject(object, ToQSize(size), {});
  const QRegion region = object.GetRegion();
  // With the mask on standard output, the report moves to standard error.
  PrintRegion(output && IsStandardOutput(*output) ? context.Err : context.Out, region);
  if (output)
    WritePicture(context, RegionMask(region, size), *output, {.WithAlpha = false, .PngTexts = {}});
  return kExitOk;
}

// ---- Thumbnail ------------------------------------------------------------------------

constexpr int kDefaultThumbnailSize = 256;
constexpr int kMaxThumbnailSize = 2048;

// The keys of the freedesktop.org thumbnail cache, which file managers read to tell
// whether a thumbnail is still current.
std::vector<TPngText> ThumbnailKeys(const TParsedArgs& args) {
  std::vector<TPngText> keys;
  if (const auto uri = args.Value("uri")) {
    for (const QChar c : *uri)
      if (c.unicode() < 0x21 || c.unicode() > 0x7E)
        throw EUsageError(
            "thumbnail: the URI must be ASCII without blanks, other characters "
            "%-escaped (as in file:///home/me/My%20Skin.mskn)");
    keys.push_back({"Thumb::URI", uri->toStdString()});
  }
  if (const auto mtime = args.Value("mtime")) {
    static const QRegularExpression digits("^\\d{1,20}$");
    if (!digits.match(*mtime).hasMatch())
      throw EUsageError("thumbnail: bad modification time \"" + *mtime +
                        "\": expected seconds since 1970, such as 1700000000");
    keys.push_back({"Thumb::MTime", mtime->toStdString()});
  }
  keys.push_back({"Software", "vtskin " VTSKIN_VERSION});
  return keys;
}

int RunThumbnail(TCommandContext& context, const TParsedArgs& args) {
  const int side = args.Positional.size() > 2
                       ? ParsePositive(args.Positional[2], kMaxThumbnailSize, "thumbnail size")
                       : kDefaultThumbnailSize;
  const QString output = args.Positional[1];
  if (PictureFormatFor(output) != TPictureFormat::Png)
    throw EUsageError("thumbnail: " + output + ": thumbnails are PNG pictures; name a .png file");
  TPictureOptions picture;
  picture.PngTexts = ThumbnailKeys(args);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  const QImage thumbnail = RenderSkinThumbnail(*skin.Source, side);
  if (thumbnail.isNull())
    throw EInputProblem(skin.FileName + ": the skin has no form object to preview");
  WritePicture(context, thumbnail, output, picture);
  return kExitOk;
}

const std::vector<TOptionSpec> kRenderOptions = {
    {"state", "STATE", "normal (the default), hot, pressed, focused or disabled"},
    {"active", "", "paint as the active window (captions, frames)"},
    {"text", "TEXT", "the text: the title of a window, else the object's own"},
    {"design", "", "paint transparent backgrounds in the key colour, as the editor does"},
};

}  // namespace

TCommandSpec RenderCommand() {
  TCommandSpec command;
  command.Name = "render";
  command.Arguments = "FILE OBJECT WIDTHxHEIGHT OUT.png";
  command.Summary = "paint an object into a picture with alpha";
  command.Description =
      "Gives OBJECT (a top-level name or a path such as \"ScrollBar/LeftButton\") the\n"
      "bounds (0, 0, WIDTH, HEIGHT), puts it into the state, and paints it into a\n"
      "transparent picture of that size: where the skin paints nothing the PNG is\n"
      "transparent, where it blends the PNG keeps the partial alpha. Caption buttons show\n"
      "as for an ordinary window (system menu, close, minimise, maximise).\n"
      "\n"
      "WIDTH and HEIGHT are whole numbers from 1 to " +
      QString::number(kMaxRenderSide) +
      ".\n"
      "OUT.png is a .png file (with alpha); a .bmp name writes a bitmap (magenta where\n"
      "the picture is transparent), and - a PNG on standard output.\n"
      "\n"
      "Example: vtskin render demo-light.mskn Form 400x300 form.png --active --text Hello";
  command.Options = kRenderOptions;
  command.MinPositional = command.MaxPositional = 4;
  command.Run = RunRender;
  return command;
}

TCommandSpec RegionCommand() {
  TCommandSpec command;
  command.Name = "region";
  command.Arguments = "FILE OBJECT WIDTHxHEIGHT [OUT.png]";
  command.Summary = "print an object's window shape";
  command.Description =
      "Lays OBJECT out at (0, 0, WIDTH, HEIGHT) and prints the number of rectangles of its\n"
      "window-shape region and their bounds. With OUT.png (or a .bmp name) the shape is\n"
      "also written as a mask: white inside the shape, black outside. With \"-\" the\n"
      "mask goes to standard output as a PNG, and the numbers to standard error.\n"
      "WIDTH and HEIGHT are whole numbers from 1 to " +
      QString::number(kMaxRenderSide) +
      ".\n"
      "\n"
      "Example: vtskin region demo-light.mskn Form 400x300 shape.png";
  command.MinPositional = 3;
  command.MaxPositional = 4;
  command.Run = RunRegion;
  return command;
}

TCommandSpec ThumbnailCommand() {
  TCommandSpec command;
  command.Name = "thumbnail";
  command.Arguments = "FILE OUT.png [SIZE]";
  command.Summary = "a preview of the skin's window for file managers";
  command.Description =
      "Paints the skin's form (the object named \"Form\", else the first of kind skForm)\n"
      "as an active window titled with the skin's name, with the proportions of its\n"
      "stored size, so that its larger side is exactly SIZE pixels\n(default " +
      QString::number(kDefaultThumbnailSize) + ", 1 to " + QString::number(kMaxThumbnailSize) +
      ").\n"
      "The window is painted at that size, sharp at any size; below " +
      QString::number(kMinThumbnailPaintSide) +
      " pixels, where its\n"
      "caption buttons no longer fit, it is painted at " +
      QString::number(kMinThumbnailPaintSide) +
      " and scaled down. OUT.png may\n"
      "also be - for standard output. The PNG carries the keys of the freedesktop.org\n"
      "thumbnail cache given by --uri and --mtime, and \"Software\".\n"
      "\n"
      "As a file manager's thumbnailer: vtskin thumbnail %i %o %s\n"
      "Example: vtskin thumbnail demo-dark.mskn preview.png 128";
  command.Options = {
      {"uri", "URI", "the skin's URI, stored as Thumb::URI (file:///...)"},
      {"mtime", "SECONDS", "the skin's modification time, stored as Thumb::MTime"},
  };
  command.MinPositional = 2;
  command.MaxPositional = 3;
  command.Run = RunThumbnail;
  return command;
}

}  // namespace vt
