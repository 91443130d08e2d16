#pragma once
// TTeThemePreview: a control that paints a small sample window with the theme it is linked
// to (the current theme without a link), for choosing among themes.
#include <QImage>
#include <QWidget>

namespace vt {

class TteCustomThemeLink;
class TteTheme;

class TTeThemePreview : public QWidget {
  Q_OBJECT
 public:
  explicit TTeThemePreview(QWidget* parent = nullptr);
  ~TTeThemePreview() override;
  TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(TteCustomThemeLink* link);
  QSize sizeHint() const override { return {200, 140}; }
  // The sample as it is painted, at the control's size.
  QImage Render() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  TteCustomThemeLink* FThemeLink = nullptr;
};

}  // namespace vt
