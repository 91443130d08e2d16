#include "controls/te_controls.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

#include "theme/te_thememanager.h"

namespace vt {

void SetThemeObject(QWidget* widget, const QString& objectName) {
  widget->setProperty(kThemeObjectProperty, objectName);
}

std::string ThemeObjectOf(const QWidget* widget) {
  if (!widget) return kDefaultObjectName;
  const QString name = widget->property(kThemeObjectProperty).toString();
  return name.isEmpty() ? std::string(kDefaultObjectName) : name.toStdString();
}

void SetThemeLink(QWidget* widget, TteCustomThemeLink* link) {
  // An invalid QVariant removes the dynamic property, so "no link" and "never linked"
  // read the same.
  widget->setProperty(kThemeLinkProperty,
                      link ? QVariant::fromValue(static_cast<void*>(link)) : QVariant());
  // A polished widget is polished again, so that its style picks up the linked theme's
  // palette and fonts.
  if (widget->testAttribute(Qt::WA_WState_Polished)) widget->style()->polish(widget);
  widget->update();
}

TteCustomThemeLink* ThemeLinkOf(const QWidget* widget) {
  if (!widget) return nullptr;
  const QVariant value = widget->property(kThemeLinkProperty);
  if (!value.canConvert<void*>()) return nullptr;
  return static_cast<TteCustomThemeLink*>(value.value<void*>());
}

TteTheme* ThemeOf(const QWidget* widget) {
  return TteThemeManager::Instance().ThemeFor(ThemeLinkOf(widget));
}

}  // namespace vt
