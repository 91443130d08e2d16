#include "StyleTestSupport.h"

#include <algorithm>

#include "DemoSkin.h"
#include "skin/se_skinsource.h"

namespace vt::test {

std::unique_ptr<TTeSkinFile> MakeDemoTheme(TDemo demo, const std::vector<std::string>& without) {
  demo::TDemoSkin skin =
      demo::BuildDemoSkin(demo == TDemo::Light ? demo::LightLook() : demo::DarkLook());
  std::erase_if(skin.Objects, [&](const std::unique_ptr<TSeSkinObject>& object) {
    return std::find(without.begin(), without.end(), object->GetName()) != without.end();
  });
  TSeSkinSource source;
  demo::StoreDemoSkin(skin, source);
  auto theme = std::make_unique<TTeSkinFile>();
  theme->LoadFromSkinSource(source);
  return theme;
}

QImage GrabImage(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace vt::test
