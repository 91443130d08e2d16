#include "editor/Previews.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "rtl/Canvas.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

TPreviewRunner& CurrentRunner() {
  static TPreviewRunner runner;
  return runner;
}

QString SkinText(const std::string& text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

QImage PaintSkinForm(TSeSkinSource& source) {
  TSeSkinObject* form = source.GetFormObject();
  if (!form || form->GetWidth() <= 0 || form->GetHeight() <= 0) return {};
  const bool designMode = SkinDesignMode;
  SkinDesignMode = false;
  form->SetActive(true);
  if (TSeSkinObject* title = form->FindByKind(TSeKind::skTitle))
    title->SetText(SkinText(source.GetSkinName()) + " - test");
  form->SetBounds({0, 0, form->GetWidth(), form->GetHeight()});
  form->AlignChildren();
  QImage image(form->GetWidth(), form->GetHeight(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    TCanvas canvas(image);
    form->Draw(canvas, TRect{});
  }
  SkinDesignMode = designMode;
  return image;
}

namespace {

// Until the preview windows with live controls are in place, both previews show the
// skin's form as the saved file paints it.
void ShowBuiltInPreview(QWidget* owner, const QString& skinFile, TPreviewKind kind) {
  TSeSkinSource source;
  source.LoadFromFile(skinFile.toStdString());
  QDialog dialog(owner);
  dialog.setObjectName(kind == TPreviewKind::pkForm ? "frmTestEmpty" : "frmTest");
  dialog.setWindowTitle(SkinText(source.GetSkinName()) + " - test");
  auto* picture = new QLabel;
  picture->setPixmap(QPixmap::fromImage(PaintSkinForm(source)));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(picture);
  dialog.exec();
}

}  // namespace

void RunPreview(QWidget* owner, const QString& skinFile, TPreviewKind kind) {
  if (CurrentRunner())
    CurrentRunner()(owner, skinFile, kind);
  else
    ShowBuiltInPreview(owner, skinFile, kind);
}

TPreviewRunner SetPreviewRunner(TPreviewRunner runner) {
  return std::exchange(CurrentRunner(), std::move(runner));
}

}  // namespace vt
