// The preview windows' common part and the bare preview, "Empty Form".
#include "editor/EmptyForm.h"

#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <functional>

namespace vt {

namespace {

// Hands every event of the watched object to a function, letting it through.
class TEventWatcher : public QObject {
 public:
  explicit TEventWatcher(std::function<void(QObject*, QEvent*)> watch) : FWatch(std::move(watch)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    FWatch(watched, event);
    return false;
  }

 private:
  std::function<void(QObject*, QEvent*)> FWatch;
};

}  // namespace

void SetDefaultThemeObject(QWidget& root) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    widget->setProperty("ThemeObject", QString(kDefaultObjectName));
    widget->setProperty("ThemeLink", QVariant::fromValue(static_cast<void*>(nullptr)));
  }
}

// A parent only owns the preview: it stays a window of its own.
TfrmPreviewBase::TfrmPreviewBase(const QString& caption, QSize clientSize, QWidget* parent)
    : QWidget(parent, Qt::Window),
      FTE(std::make_unique<TTeRidadIveror>(nullptr)),
      FClientSize(clientSize) {
  setWindowTitle(caption);
  ThemeForm1 = new TTeForm(this);
  ThemeForm1->SetBorderIcons(kAllBorderIcons);
  ThemeForm1->SetShowEffect(kRandomEffectName);
  ThemeForm1->SetHideEffect(kRandomEffectName);
}

TfrmPreviewBase::~TfrmPreviewBase() = default;

void TfrmPreviewBase::FinishSetup(const QString& skinFile) {
  SetDefaultThemeObject(*this);
  if (!skinFile.isEmpty())
    LoadSkin(skinFile);
  else
    ThemeForm1->SetClientSize(FClientSize);
  CentreOnScreen();
}

void TfrmPreviewBase::LoadSkin(const QString& skinFile) {
  FTE->SetThemeFile(skinFile.toStdString());
  ThemeForm1->SetClientSize(FClientSize);
}

// Hiding ends the local loop whichever way it comes (the close button, "E&xit", Alt+F4, a
// hide effect's end, the host hiding the form), except into the notification area, from
// where the form comes back.
void TfrmPreviewBase::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  QPointer<TfrmPreviewBase> self = this;
  auto hidden = [&loop, self](QObject*, QEvent* event) {
    if (event->type() == QEvent::Hide && self && !self->isVisible() &&
        !self->ThemeForm1->IsInTray())
      loop.quit();
  };
  TEventWatcher watcher(hidden);
  installEventFilter(&watcher);
  show();
  loop.exec();
  if (self) removeEventFilter(&watcher);
}

void TfrmPreviewBase::CentreOnScreen() {
  if (QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
}

TfrmTestEmpty::TfrmTestEmpty(const QString& skinFile, QWidget* parent)
    : TfrmPreviewBase("Empty Form", {440, 240}, parent) {
  FinishSetup(skinFile);
}

}  // namespace vt
