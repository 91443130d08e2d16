#pragma once
// What a themed widget carries: the name of the skin object it asks for and, optionally, a
// theme link that gives it a theme of its own. Both live in dynamic properties so that any
// QWidget can carry them without deriving from a themed class, and so that the style and
// the window frame read the same values:
//   "ThemeObject"  QString, the object name of every request ("default" when unset or empty)
//   "ThemeLink"    QVariant holding a TteCustomThemeLink* as void* (absent: no link)
#include <QString>
#include <string>

class QWidget;

namespace vt {

class TteCustomThemeLink;
class TteTheme;

inline constexpr const char* kThemeObjectProperty = "ThemeObject";
inline constexpr const char* kThemeLinkProperty = "ThemeLink";

void SetThemeObject(QWidget* widget, const QString& objectName);
// "default" for no widget, or one whose property is unset or empty.
std::string ThemeObjectOf(const QWidget* widget);

// nullptr removes the link.
void SetThemeLink(QWidget* widget, TteCustomThemeLink* link);
TteCustomThemeLink* ThemeLinkOf(const QWidget* widget);

// The theme the widget paints with: its link's theme when the link answers one, else the
// manager's current theme; nullptr when there is neither.
TteTheme* ThemeOf(const QWidget* widget);

}  // namespace vt
