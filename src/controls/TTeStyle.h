#pragma once
// TTeStyle: a Qt style that paints every standard widget through the drawing families of
// the widget's theme (its ThemeLink's theme, else the current one), with Fusion painting
// whatever the theme does not define. Sizes that depend on the look (scroll bar extent,
// indicator size, frame widths, the heights of headers, menu items and tabs...) come from
// the skin too. A focused button, check box or edit shows a focus rectangle, since a skin
// paints the focused state of its parts as the normal one.
//
// The style follows the theme manager: it registers itself and every widget it polishes,
// so that a change of the current theme gives the application the theme's palette and
// fonts and repaints the widgets that use the current theme, and a link's notification
// repaints the widgets of that link only.
#include <QFont>
#include <QHash>
#include <QProxyStyle>
#include <optional>
#include <string>

#include "controls/te_styleelements.h"

namespace vt {

class TteTheme;
struct TteThemeMessage;

class TTeStyle : public QProxyStyle {
  Q_OBJECT

 public:
  TTeStyle();
  ~TTeStyle() override;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl subControl, const QWidget* widget = nullptr) const override;

  QPalette standardPalette() const override;
  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  void polish(QPalette& palette) override;
  void polish(QApplication* application) override;
  void unpolish(QApplication* application) override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What a widget asks the theme with. Polished widgets have it remembered (their
  // properties are read again when they change), so that painting reads no properties.
  struct TWidgetTheme {
    std::string Object;
    TteCustomThemeLink* Link = nullptr;
    TFrameRole Role = TFrameRole::None;
  };
  TWidgetTheme WidgetThemeOf(const QWidget* widget) const;
  void RememberWidget(QWidget& widget);

  // The theme that paints `family` for the widget, or nullptr when it is not defined.
  TteTheme* DefinedTheme(TThemeFamily family, uint8_t kind, const TWidgetTheme& widget) const;
  TteTheme* DefinedTheme(TThemeFamily family, uint8_t kind, const QWidget* widget) const {
    return DefinedTheme(family, kind, WidgetThemeOf(widget));
  }
  const TStyleElement* DrawThroughTheme(TElementClass elementClass, int element,
                                        const QStyleOption* option, QPainter& painter,
                                        const QWidget* widget) const;
  bool DrawElement(const TStyleElement* entry, const QStyleOption& option, QPainter& painter,
                   const QWidget* widget, const TWidgetTheme& widgetTheme, const TRect& rect) const;
  void DrawContent(const TStyleElement& entry, const QStyleOption& option, QPainter& painter,
                   const QWidget* widget) const;
  bool DrawComplexThroughTheme(ComplexControl control, const QStyleOptionComplex& option,
                               QPainter& painter, const QWidget* widget) const;
  // The thickness the skin designs an item or tab at (0 when it does not say); a width for
  // tabs on the left or right.
  struct TThickness {
    int Pixels;
    bool IsWidth;
  };
  std::optional<TThickness> ThemeThickness(ContentsType type, const QStyleOption* option,
                                           const QWidget* widget) const;
  std::optional<int> ThemeMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const;
  std::optional<QRect> ThemeSubControlRect(ComplexControl control,
                                           const QStyleOptionComplex& option, SubControl subControl,
                                           const QWidget* widget) const;
  int FrameInset(const TWidgetTheme& widget) const;
  void ApplyThemeToApplication();
  void ApplyOwnTheme(QWidget& widget);
  void ThemeChanged(QWidget& widget, const TteThemeMessage& message);

  QHash<const QWidget*, TWidgetTheme> FWidgets;
  std::optional<QFont> FApplicationFont;  // the font before the theme's fonts were given
};

}  // namespace vt
