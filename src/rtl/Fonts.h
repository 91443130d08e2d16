#pragma once
// Interface fonts. "Tahoma" is the default face of every skin; Debian ships a free Tahoma
// in fonts-wine outside fontconfig's folders, so the application registers it at start.
#include <QString>

namespace vt {

// Registers the bundled faces with the application's font database (needs a
// QGuiApplication). Safe to call more than once. Returns false, after one warning on
// standard error, when the Tahoma files are missing: Qt then substitutes another face.
bool RegisterApplicationFonts();

}  // namespace vt
