// vtskin render, region and thumbnail: pictures of objects.
#include <QPainter>

#include "cli/CliCommands.h"
#include "cli/CliSkin.h"

namespace vt {

namespace {

TRenderSettings RenderSettingsFrom(const TParsedArgs& args) {
  TRenderSettings settings;
  if (const auto state = args.Value("state")) {
    const std::optional<int> value = ParseObjectState(*state);
    if (!value)
      throw EUsageError("render: unknown state \"" + *state + "\"; use one of " +
                        ObjectStateNames());
    settings.State = *value;
  }
  settings.Active = args.Has("active");
  settings.DesignMode = args.Has("design");
  settings.Text = args.Value("text");
  return settings;
}

int RunRender(TCommandContext& context, const TParsedArgs& args) {
  const TSize2 size = ParseSize(args.Positional[2]);
  const TRenderSettings settings = RenderSettingsFrom(args);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject& object = FindObjectPath(skin, args.Positional[1]);
  PrepareObject(object, size, settings);
  WritePng(RenderObject(object, settings.DesignMode), args.Positional[3], true);
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

int RunRegion(TCommandContext& context, const TParsedArgs& args) {
  const TSize2 size = ParseSize(args.Positional[2]);
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject& object = FindObjectPath(skin, args.Positional[1]);
  PrepareObject(object, size, {});
  const QRegion region = object.GetRegion();
  const QRect bounds = region.boundingRect();
  context.Out << "Rectangles: " << region.rectCount() << "\n";
  if (region.isEmpty())
    context.Out << "Bounds: empty\n";
  else
    context.Out << "Bounds: " << bounds.left() << "," << bounds.top() << " " << bounds.width()
                << "x" << bounds.height() << "\n";
  if (args.Positional.size() > 3) WritePng(RegionMask(region, size), args.Positional[3], false);
  return kExitOk;
}

// ---- Thumbnail ------------------------------------------------------------------------

constexpr int kDefaultThumbnailSize = 256;
constexpr int kMaxThumbnailSize = 2048;

// The form at its stored size when that is a plausible window, else at 320 x 240.
TSize2 FormSize(const TSeSkinObject& form) {
  const bool plausible = form.GetWidth() >= 64 && form.GetHeight() >= 48 &&
                         form.GetWidth() <= 2048 && form.GetHeight() <= 2048;
  return plausible ? TSize2{form.GetWidth(), form.GetHeight()} : TSize2{320, 240};
}

int RunThumbnail(TCommandContext& context, const TParsedArgs& args) {
  const int side = args.Positional.size() > 2
                       ? ParsePositive(args.Positional[2], kMaxThumbnailSize, "thumbnail size")
                       : kDefaultThumbnailSize;
  const TLoadedSkin skin = LoadSkinFile(args.Positional[0]);
  ReportLoadWarnings(context, skin);
  TSeSkinObject* form = skin.Source->GetFormObject();
  if (!form) throw EInputProblem(skin.FileName + ": the skin has no form object to preview");
  TRenderSettings settings;
  settings.Active = true;
  settings.Text = SkinText(skin.Source->GetSkinName());
  PrepareObject(*form, FormSize(*form), settings);
  const QImage picture = RenderObject(*form, false);
  // Scaled in premultiplied form so that transparent pixels do not bleed dark edges.
  const QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                            .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
  WritePng(scaled, args.Positional[1], true);
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
  command.Summary = "paint an object into a PNG picture with alpha";
  command.Description =
      "Gives OBJECT (a top-level name or a path such as \"ScrollBar/LeftButton\") the\n"
      "bounds (0, 0, WIDTH, HEIGHT), puts it into the state, and paints it into a\n"
      "transparent picture of that size: where the skin paints nothing the PNG is\n"
      "transparent, where it blends the PNG keeps the partial alpha. Caption buttons show\n"
      "as for an ordinary window (system menu, close, minimise, maximise).\n"
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
      "window-shape region and their bounds. With OUT.png the shape is also written as a\n"
      "mask: white inside the shape, black outside.\n"
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
      "as an active window titled with the skin's name, at its stored size, and scales it\n"
      "to fit a square of SIZE pixels (default 256, at most 2048), keeping its shape.\n"
      "\n"
      "Example: vtskin thumbnail demo-dark.mskn preview.png 128";
  command.MinPositional = 2;
  command.MaxPositional = 3;
  command.Run = RunThumbnail;
  return command;
}

}  // namespace vt
