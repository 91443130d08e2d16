// A paint leaves the shared skin objects as it found them: one control's paint never
// depends on the one before, and a paint nested in another leaves the outer one alone.
#include <gtest/gtest.h>

#include <QIcon>
#include <functional>

#include "SkinThemeTestSkin.h"

namespace vt {
namespace {

using namespace vt::testing;

TtePartInfo ButtonPart(const TRect& rect, uint8_t state) {
  TtePartInfo info;
  info.Rect = rect;
  info.State = state;
  return info;
}

// A form control that paints again (`Nested`) while asked for its icon.
class TNestingControl : public TSeControl {
 public:
  bool IsForm() const override { return true; }
  QIcon WindowIcon() const override {
    if (Nested) Nested();
    return {};
  }
  std::function<void()> Nested;
};

// The face holds a window-icon button (where a nested paint starts), a restore button and
// a child filling the rest in the colours of the state.
struct TReentrySkin {
  TReentrySkin() {
    TSeSkinObject* button = Skin.AddObject("Button", {"Face"});
    auto* face = static_cast<TSeColorButtonObject*>(button->FindByName("Face"));
    face->SetDrawIfOwner(true);
    auto* icon = new TSeSystemButton(face);
    icon->SetName("Icon");
    icon->SetAction(TSeAction::sbaSysMenu);
    icon->SetAlign(TSeAlign::saLeft);
    icon->SetWidth(16);
    // Hidden by the normal state only: a normal paint must not narrow a later hot one.
    auto* restore = new TSeSystemButton(face);
    restore->SetName("Restore");
    restore->SetAction(TSeAction::sbaRestore);
    restore->SetAlign(TSeAlign::saRight);
    restore->SetWidth(8);
    Skin.MakeColorButton(face, "Rest")->SetAlign(TSeAlign::saClient);
    Theme = Skin.Theme();
    Theme->WorkingSource().GetObjectByName("Button")->FindByName("Icon")->SetControl(&Control);
  }
  QImage Paint(const TRect& rect, uint8_t state) {
    QImage image = BlankImage();
    TCanvas canvas(image);
    Theme->ButtonDraw(canvas, 0, ButtonPart(rect, state), "default");
    return image;
  }
  TTestSkin Skin;
  std::unique_ptr<TTeSkinFile> Theme;
  TNestingControl Control;
};

const TRect kOuter{4, 4, 60, 60};
const TRect kInner{20, 30, 50, 40};

TEST(SkinThemeReentry, NestedAndInterleavedPaintsMatchPaintsAlone) {
  TReentrySkin alone;
  const QImage hotAlone = alone.Paint(kOuter, kpsHot);
  const QImage normalAlone = TReentrySkin().Paint(kInner, kpsNormal);
  ASSERT_NE(hotAlone, normalAlone);

  TReentrySkin nested;
  QImage inner;
  nested.Control.Nested = [&] {
    nested.Control.Nested = nullptr;  // once
    inner = nested.Paint(kInner, kpsNormal);
  };
  EXPECT_EQ(nested.Paint(kOuter, kpsHot), hotAlone);
  EXPECT_EQ(inner, normalAlone);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(nested.Paint(kInner, kpsNormal), normalAlone) << round;
    EXPECT_EQ(nested.Paint(kOuter, kpsHot), hotAlone) << round;
  }
}

}  // namespace
}  // namespace vt
