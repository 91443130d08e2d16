#pragma once
// The preview windows' common part and the bare one, TfrmTestEmpty.
//
// A preview window carries its own theme engine (TE), which makes the skin it is given the
// current theme, and a frame hook (ThemeForm1) that paints its caption, borders and system
// buttons through that theme. Every control on it names the theme object "default" and no
// theme link, so that the themed style paints it with the current theme.
#include <QString>
#include <QWidget>
#include <memory>

#include "controls/TeForm.h"
#include "theme/te_engine.h"

namespace vt {

// Gives `root` and every widget below it the theme object "default" and no theme link.
void SetDefaultThemeObject(QWidget& root);

class TfrmPreviewBase : public QWidget {
  Q_OBJECT
 public:
  ~TfrmPreviewBase() override;
  TTeRidadIveror& TE() { return *FTE; }
  TTeForm* ThemeForm1 = nullptr;
  // Makes the skin file the current theme (TE's ThemeFile) and fits the frame around the
  // client area again. A file that yields no theme leaves no current theme.
  void LoadSkin(const QString& skinFile);
  QSize ClientSize() const { return FClientSize; }
  // Shows the form application-modal and returns once it is closed or hidden.
  void ShowModal();

 protected:
  TfrmPreviewBase(const QString& caption, QSize clientSize, QWidget* parent);
  // The controls are all in place: name their theme object, then size and centre the form.
  void FinishSetup(const QString& skinFile);

 private:
  void CentreOnScreen();
  std::unique_ptr<TTeRidadIveror> FTE;
  QSize FClientSize;
};

class TfrmTestEmpty : public TfrmPreviewBase {
  Q_OBJECT
 public:
  explicit TfrmTestEmpty(const QString& skinFile = {}, QWidget* parent = nullptr);
};

}  // namespace vt
