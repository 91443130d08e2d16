// The preview windows' common part and the bare preview, "Empty Form".
#include "editor/EmptyForm.h"

#include <QScreen>

namespace vt {

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

void TfrmPreviewBase::CentreOnScreen() {
  if (QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
}

TfrmTestEmpty::TfrmTestEmpty(const QString& skinFile, QWidget* parent)
    : TfrmPreviewBase("Empty Form", {440, 240}, parent) {
  FinishSetup(skinFile);
}

}  // namespace vt
