#pragma once
// Shared by the style tests: demo themes built in memory, a link with a theme of its own,
// and grabs of widgets.
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt::test {

enum class TDemo { Light, Dark };

// The demo skin of that look, with the named top-level objects left out.
std::unique_ptr<TTeSkinFile> MakeDemoTheme(TDemo demo,
                                           const std::vector<std::string>& without = {});

// A theme link that answers the theme it holds.
class TTestLink : public TteCustomThemeLink {
 public:
  explicit TTestLink(TteTheme* theme) : TteCustomThemeLink(nullptr), FTheme(theme) {}
  TteTheme* GetTheme() const override { return FTheme; }

 private:
  TteTheme* FTheme;
};

// The widget as painted now, in a 32-bit premultiplied image.
QImage GrabImage(QWidget& widget);

}  // namespace vt::test
