#pragma once
// TTeOpenThemeDialog: the file dialog for skins, with a live preview beside the file
// list: the chosen skin's form as a thumbnail, its name, author and storage variant.
// It remembers nothing between runs.
#include <QFileDialog>

class QLabel;

namespace vt {

// The theme registry's filter ("All (*.a;*.b)|*.a;*.b|Caption|*.a|...") in Qt's form
// ("All (*.a *.b);;Caption (*.a);;...").
QString OpenThemeDialogFilter();

class TTeOpenThemeDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit TTeOpenThemeDialog(QWidget* parent = nullptr);
  // Shows `fileName` in the preview pane (the dialog calls it as the selection moves).
  void ShowPreview(const QString& fileName);
  // The preview's thumbnail fits in this many pixels.
  static constexpr int kThumbnailWidth = 220;
  static constexpr int kThumbnailHeight = 165;

 private:
  QLabel* FThumbnail = nullptr;
  QLabel* FDetails = nullptr;
};

}  // namespace vt
