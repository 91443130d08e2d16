#pragma once
// A skin built in code whose every part is a colour button coloured RGB(part number, state
// code, 0x40): one probed pixel names the part and the state that painted it.
#include <QImage>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Canvas.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"
#include "theme/theme_se3.h"

namespace vt::testing {

enum TStateCode : int {
  scNormal = 10,
  scHot = 20,
  scPressed = 30,
  scFocused = 40,
  scDisabled = 50,
};

inline TColor CodedColor(int part, int stateCode) {
  return RGB(part, stateCode, 0x40);
}

struct TProbe {
  int Part = 0;
  int State = 0;
  bool Painted = false;
  friend bool operator==(const TProbe&, const TProbe&) = default;
};

inline constexpr uint32_t kUntouched = 0xFF0A0B0C;

// The widths of a test form's border pieces.
struct TFrameBorders {
  int Top = 3, Side = 4, Bottom = 4;
};

class TTestSkin {
 public:
  TTestSkin() : FSource(std::make_unique<TSeSkinSource>(nullptr)) {}

  TSeSkinSource& Source() { return *FSource; }

  // A top-level colour button `name` with a colour-button child for each part.
  TSeSkinObject* AddObject(const std::string& name, const std::vector<std::string>& parts = {}) {
    auto* object = MakeColorButton(nullptr, name);
    for (const std::string& part : parts) MakeColorButton(object, part);
    FSource->AddObject(object);
    return object;
  }

  // The number given to "Object.Part" (or "Object" for the object itself).
  int IdOf(const std::string& object, const std::string& part = {}) const {
    return FIds.at(part.empty() ? object : object + "." + part);
  }

  TSeColorButtonObject* MakeColorButton(TSeSkinObject* owner, const std::string& name) {
    auto* button = new TSeColorButtonObject(owner);
    button->SetName(name);
    const int id = FNextId++;
    FIds[owner ? owner->GetName() + "." + name : name] = id;
    button->SetColor(CodedColor(id, scNormal));
    button->SetHotColor(CodedColor(id, scHot));
    button->SetPressedColor(CodedColor(id, scPressed));
    button->SetFocusedColor(CodedColor(id, scFocused));
    button->SetDisabledColor(CodedColor(id, scDisabled));
    return button;
  }

  // A form: borders (3 top, 4 elsewhere), a 20-pixel caption with a title and 16-pixel
  // close, maximise, restore and minimise buttons from the right, painted from the image
  // "buttons" in ButtonPixel(0..2) for normal, hover and down; a client unless told not.
  TSeSkinObject* AddForm(const std::string& name, bool withClient = true,
                         TFrameBorders borders = {}) {
    EnsureButtonImage();
    auto* form = new TSeSkinObject(nullptr);
    form->SetName(name);
    form->SetKind(TSeKind::skForm);
    form->SetColor(clNone);
    FIds[name] = FNextId++;
    AddPlain(form, "Top", TSeKind::skTop, TSeAlign::saMostTop, 0, borders.Top);
    TSeSkinObject* caption =
        AddPlain(form, "Caption", TSeKind::skCaption, TSeAlign::saMostTop, 0, 20);
    AddCaptionButton(caption, "Close", TSeAction::sbaClose);
    AddCaptionButton(caption, "Max", TSeAction::sbaMaximize);
    AddCaptionButton(caption, "Restore", TSeAction::sbaRestore);
    AddCaptionButton(caption, "Min", TSeAction::sbaMinimize);
    AddPlain(caption, "Title", TSeKind::skTitle, TSeAlign::saClient, 0, 0);
    AddPlain(form, "Left", TSeKind::skLeft, TSeAlign::saMostLeft, borders.Side, 0);
    AddPlain(form, "Right", TSeKind::skRight, TSeAlign::saMostRight, borders.Side, 0);
    AddPlain(form, "Bottom", TSeKind::skBottom, TSeAlign::saMostBottom, 0, borders.Bottom);
    if (withClient) AddPlain(form, "Client", TSeKind::skClient, TSeAlign::saClient, 0, 0);
    FSource->AddObject(form);
    return form;
  }

  static uint32_t ButtonPixel(int third) {
    static constexpr uint32_t kPixels[3] = {0xFF102030, 0xFF405060, 0xFF708090};
    return kPixels[third];
  }

  // Every cache entry's object with the parts its family paints, except "ToolWindow".
  static std::unique_ptr<TTestSkin> Full() {
    auto skin = std::make_unique<TTestSkin>();
    skin->AddForm("Form");
    skin->AddObject("Button", {"Face"});
    skin->AddObject("SpinButton", {"LeftButton", "RightButton"});
    skin->AddObject("Checkbox", {"Checked", "Unchecked", "Mixed"});
    skin->AddObject("RadioButton", {"Checked", "Unchecked", "Mixed"});
    skin->AddObject("GroupBox", {"Frame"});
    skin->AddObject("ScrollBar", {"TopButton", "BottomButton", "LeftButton", "RightButton",
                                  "HorzSlider", "VertSlider", "HorzFrame", "VertFrame"});
    skin->AddObject("ProgressBar", {"Frame", "Bar"});
    skin->AddObject("Edit", {"Frame", "Button"});
    skin->AddObject("ComboBox", {"Frame", "Button"});
    skin->AddObject("TrackBar", {"Track", "TrackHorz", "Thumb", "ThumbHorz", "ThumbVertLeft"});
    skin->AddObject("MenuBar", {"Frame", "Item", "Separator", "upbutton", "downbutton", "Min",
                                "Restore", "Close"});
    skin->AddObject("PopupMenu", {"Frame", "item", "separator"});
    skin->AddObject("Header", {"Frame", "Section"});
    skin->AddObject("StatusBar", {"Frame", "Panel", "Gripper"});
    skin->AddObject("Tabs", {"Frame", "Tab", "TabTop", "TabLeft", "LeftButton", "RightButton"});
    skin->AddObject("Container", {"Panel"});
    skin->AddObject("ScrollBox", {"Frame"});
    skin->AddObject("Splitter");
    skin->AddObject("ControlBar", {"Back", "Frame", "Grabber", "GrabberVert"});
    skin->AddObject("Grid", {"Frame", "Fixed", "Cell"});
    skin->AddObject("ListBox", {"Frame", "Item"});
    skin->AddObject("Hint");
    skin->AddObject("SpeedButton", {"Face", "FlatFace", "Separator", "Chevron"});
    skin->AddObject("Panel", {"Frame", "Caption", "ButtonHide", "ButtonRollup", "ButtonRollDown"});
    return skin;
  }

  std::unique_ptr<TTeSkinFile> Theme() const {
    auto theme = std::make_unique<TTeSkinFile>();
    theme->LoadFromSkinSource(*FSource);
    return theme;
  }

 private:
  TSeSkinObject* AddPlain(TSeSkinObject* owner, const std::string& name, TSeKind kind,
                          TSeAlign align, int width, int height) {
    auto* object = new TSeSkinObject(owner);
    object->SetName(name);
    object->SetKind(kind);
    object->SetAlign(align);
    object->SetWidth(width);
    object->SetHeight(height);
    const int id = FNextId++;
    FIds[owner->GetName() + "." + name] = id;
    object->SetColor(CodedColor(id, scNormal));
    return object;
  }

  void AddCaptionButton(TSeSkinObject* caption, const std::string& name, TSeAction action) {
    auto* button = new TSeSysButtonSkinObject(caption);
    button->SetName(name);
    button->SetAction(action);
    button->SetAlign(TSeAlign::saRight);
    button->SetWidth(16);
    button->SetHeight(16);
    button->SetTileStyle(TscTileStyle::tsStretch);
    TteBitmapLink link;  // normal, hover and down are the image's thirds
    link.SetName("buttons");
    link.SetRect({0, 0, 16, 16});
    button->SetBitmap(link);
    link.SetRect({16, 0, 32, 16});
    button->SetBitmapHover(link);
    link.SetRect({32, 0, 48, 16});
    button->SetBitmapDown(link);
    FIds["Caption." + name] = FNextId++;
  }

  void EnsureButtonImage() {
    if (FSource->Bitmaps().GetBitmapByName("buttons")) return;
    auto* image = new TteBitmap;
    image->SetName("buttons");
    image->SetSize(48, 16);
    for (int third = 0; third < 3; ++third)
      image->FillRect({third * 16, 0, third * 16 + 16, 16}, ButtonPixel(third));
    FSource->Bitmaps().Add(image);
  }

  std::unique_ptr<TSeSkinSource> FSource;
  std::map<std::string, int> FIds;
  int FNextId = 1;
};

inline QImage BlankImage(int width = 64, int height = 64) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(kUntouched);
  return image;
}

// The frame `theme` paints for the window `info` over a blank image as large as it.
inline QImage PaintWindow(TteTheme& theme, uint8_t kind, const TteWindowInfo& info,
                          const std::string& objectName = "default") {
  QImage image = BlankImage(info.Rect.Right, info.Rect.Bottom);
  TCanvas canvas(image);
  theme.WindowDraw(canvas, kind, info, objectName);
  return image;
}

inline TProbe ProbeAt(const QImage& image, int x, int y) {
  const uint32_t pixel = image.pixel(x, y);
  if (pixel == kUntouched) return {};
  return {int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), true};
}

inline TProbe Expect(int part, int state) {
  return {part, state, true};
}

}  // namespace vt::testing
