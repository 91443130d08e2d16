#pragma once
// The contact sheet of a theme: one image showing, for every drawing family, every part the
// theme knows in every state, each cell labelled with family, part and state, and painted
// through the theme exactly as a themed control requests it. Designers see the whole state
// matrix of a skin at once; tests keep one sheet per demo skin as a golden image.
#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "theme/te_theme.h"

namespace vt {

struct TContactSheetOptions {
  // Only the family of this name (ignoring case; see ContactSheetFamilies); empty: all.
  std::string Family;
  // The object name sent with every request, as a control's ThemeObject would.
  std::string ObjectName = "default";
};

// The family names of the sheet's sections, in order.
std::vector<std::string> ContactSheetFamilies();

// The sheet as an opaque 32-bit image. EInvalidOperation when a family is asked for that
// the sheet does not have.
QImage RenderContactSheet(TteTheme& theme, const TContactSheetOptions& options = {});

}  // namespace vt
