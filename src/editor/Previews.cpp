#include "editor/Previews.h"

#include <QEvent>
#include <QEventLoop>
#include <memory>

#include "editor/EmptyForm.h"
#include "editor/TestForm.h"

#include "rtl/AnsiText.h"
#include "theme/te_thememanager.h"

namespace vt {

namespace {

TPreviewRunner& CurrentRunner() {
  static TPreviewRunner runner;
  return runner;
}

// Closes the preview's own event loop when the window closes.
class TCloseWatch : public QObject {
 public:
  explicit TCloseWatch(QEventLoop& loop) : FLoop(loop) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close || event->type() == QEvent::Hide) FLoop.quit();
    return false;
  }

 private:
  QEventLoop& FLoop;
};

std::unique_ptr<TfrmPreviewBase> MakePreviewForm(const QString& skinFile, TPreviewKind kind) {
  if (kind == TPreviewKind::pkForm) return std::make_unique<TfrmTestEmpty>(skinFile);
  return std::make_unique<TfrmTest>(skinFile);
}

// The preview window paints itself with the skin as saved, through its own theme engine,
// and is shown modally until the designer closes it.
void ShowPreviewWindow(QWidget* owner, const QString& skinFile, TPreviewKind kind) {
  std::unique_ptr<TfrmPreviewBase> form = MakePreviewForm(skinFile, kind);
  if (const TteTheme* theme = CurrentTheme())
    form->setWindowTitle(AnsiToQString(theme->GetName()) + " - test");
  if (owner) form->setWindowIcon(owner->windowIcon());
  form->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  TCloseWatch watch(loop);
  form->installEventFilter(&watch);
  form->show();
  loop.exec();
}

}  // namespace

void RunPreview(QWidget* owner, const QString& skinFile, TPreviewKind kind) {
  if (CurrentRunner())
    CurrentRunner()(owner, skinFile, kind);
  else
    ShowPreviewWindow(owner, skinFile, kind);
}

TPreviewRunner SetPreviewRunner(TPreviewRunner runner) {
  return std::exchange(CurrentRunner(), std::move(runner));
}

}  // namespace vt
