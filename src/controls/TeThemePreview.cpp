// TTeThemePreview: the sample window, its client, a button and a check box, each painted by
// the linked theme where it defines that family and by plain drawing where it does not.
#include "controls/TeThemePreview.h"

#include <QPainter>

#include "rtl/Canvas.h"
#include "theme/te_theme.h"
#include "theme/te_thememanager.h"

namespace vt {

namespace {

constexpr uint16_t kSampleIcons =
    BorderIconBit(kbiClose) | BorderIconBit(kbiMinimize) | BorderIconBit(kbiMaximize);
constexpr int kSampleMargin = 4;
const QString kSampleCaption = QStringLiteral("Window");

TteTheme& PlainTheme() {
  static TteTheme* plain = new TteTheme;  // kept for the whole process
  return *plain;
}

// The theme for one family: the link's or current theme when it defines it, else plain.
TteTheme& ThemeForFamily(bool defined, const TteCustomThemeLink* link) {
  TteTheme* theme = TteThemeManager::Instance().ThemeFor(link);
  return defined && theme ? *theme : PlainTheme();
}

void DrawSampleButton(TCanvas& canvas, const TRect& rect, const TteCustomThemeLink* link) {
  const std::string name = kDefaultObjectName;
  TteTheme& theme = ThemeForFamily(IsButtonDefined(kbkPushButton, name, link), link);
  TtePartInfo face;
  face.Rect = rect;
  theme.ButtonDraw(canvas, kbkPushButton, face, name);
  TRect textRect = theme.ButtonGetClientRect(kbkPushButton, rect, name);
  theme.GetFont(canvas.Font(), fiButtonTextNormal, name);
  canvas.DrawText("Button", textRect, dtCenter | dtVCenter | dtSingleLine);
}

void DrawSampleCheck(TCanvas& canvas, const TRect& rect, const TteCustomThemeLink* link) {
  const std::string name = kDefaultObjectName;
  TteTheme& theme = ThemeForFamily(IsCheckDefined(kckCheckBox, name, link), link);
  const QSize mark = theme.CheckGetSize(kckCheckBox, name);
  TteCheckInfo check;
  check.Rect = TRect::FromSize(rect.Left, rect.Top + (rect.Height() - mark.height()) / 2,
                               mark.width(), mark.height());
  check.Mark = kcmCheckedNormal;
  theme.CheckDraw(canvas, kckCheckBox, check, name);
  TRect textRect{check.Rect.Right + 4, rect.Top, rect.Right, rect.Bottom};
  theme.GetFont(canvas.Font(), fiCheckBoxTextNormal, name);
  canvas.DrawText("CheckBox", textRect, dtLeft | dtVCenter | dtSingleLine);
}

}  // namespace

TTeThemePreview::TTeThemePreview(QWidget* parent) : QWidget(parent) {
  AddThemeNotification(this);
}

TTeThemePreview::~TTeThemePreview() {
  RemoveThemeNotification(this);
}

void TTeThemePreview::SetThemeLink(TteCustomThemeLink* link) {
  FThemeLink = link;
  update();
}

// Any theme change or link broadcast may change the sample.
bool TTeThemePreview::event(QEvent* event) {
  if (event->type() != TteThemeChangeEvent::EventType()) return QWidget::event(event);
  const uint32_t message = static_cast<TteThemeChangeEvent*>(event)->Message().Msg;
  if (message == kThemeChangeMessage || message == kThemeNotifyMessage) update();
  return true;
}

QImage TTeThemePreview::Render() const {
  QImage image(size(), QImage::Format_ARGB32);
  image.fill(palette().color(QPalette::Window));
  TteWindowInfo info;
  info.Rect = TRect::FromQRect(rect()).Inflate(-kSampleMargin, -kSampleMargin);
  if (info.Rect.IsEmpty()) return image;
  info.BorderIcons = kSampleIcons;
  info.Caption = kSampleCaption;
  const std::string name = kDefaultObjectName;
  TteTheme& frame = ThemeForFamily(IsWindowDefined(kwkSizeable, name, FThemeLink), FThemeLink);
  TCanvas canvas(image);
  frame.WindowDraw(canvas, kwkSizeable, info, name);
  frame.WindowDrawClient(canvas, kwkSizeable, info, name);
  const TRect client = frame.WindowGetClientRect(kwkSizeable, info, name);
  canvas.SetClipRect(client);
  const int left = client.Left + 8, top = client.Top + 8;
  DrawSampleButton(canvas, TRect::FromSize(left, top, 75, 25), FThemeLink);
  DrawSampleCheck(canvas, TRect::FromSize(left, top + 33, client.Right - left, 17), FThemeLink);
  return image;
}

void TTeThemePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render());
}

}  // namespace vt
