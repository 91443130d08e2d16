#pragma once
// The demo skins as skin-backed themes, built in memory by the demo-skin generator, with
// the named top-level objects left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DemoSkin.h"
#include "skin/se_skinsource.h"
#include "theme/theme_se3.h"

namespace vt::testing {

inline std::unique_ptr<TTeSkinFile> DemoTheme(const demo::TLook& look,
                                              const std::vector<std::string>& without = {}) {
  demo::TDemoSkin skin = demo::BuildDemoSkin(look);
  std::erase_if(skin.Objects, [&](const std::unique_ptr<TSeSkinObject>& object) {
    return std::find(without.begin(), without.end(), object->GetName()) != without.end();
  });
  TSeSkinSource source;
  demo::StoreDemoSkin(skin, source);
  auto theme = std::make_unique<TTeSkinFile>();
  EXPECT_TRUE(theme->LoadFromSkinSource(source));
  return theme;
}

}  // namespace vt::testing
