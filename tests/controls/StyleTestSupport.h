#pragma once
// Shared by the style tests: demo themes, a link with a theme of its own, widget grabs.
#include <QImage>
#include <QWidget>

#include "DemoTheme.h"
#include "theme/te_thememanager.h"

namespace vt::test {

enum class TDemo { Light, Dark };

// The demo skin of that look, with the named top-level objects left out.
inline std::unique_ptr<TTeSkinFile> MakeDemoTheme(TDemo demo,
                                                  const std::vector<std::string>& without = {}) {
  return vt::testing::DemoTheme(demo == TDemo::Light ? demo::LightLook() : demo::DarkLook(),
                                without);
}

// A theme link that answers the theme it holds.
class TTestLink : public TteCustomThemeLink {
 public:
  explicit TTestLink(TteTheme* theme) : TteCustomThemeLink(nullptr), FTheme(theme) {}
  TteTheme* GetTheme() const override { return FTheme; }

 private:
  TteTheme* FTheme;
};

// The widget as painted now, in a 32-bit premultiplied image.
inline QImage GrabImage(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace vt::test
