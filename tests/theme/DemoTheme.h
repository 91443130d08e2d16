#pragma once
// The demo skins as skin-backed themes, built in memory by the demo-skin generator.
#include <gtest/gtest.h>

#include <memory>

#include "DemoSkin.h"
#include "skin/se_skinsource.h"
#include "theme/theme_se3.h"

namespace vt::testing {

inline std::unique_ptr<TTeSkinFile> DemoTheme(const demo::TLook& look) {
  demo::TDemoSkin skin = demo::BuildDemoSkin(look);
  TSeSkinSource source;
  demo::StoreDemoSkin(skin, source);
  auto theme = std::make_unique<TTeSkinFile>();
  EXPECT_TRUE(theme->LoadFromSkinSource(source));
  return theme;
}

}  // namespace vt::testing
