#pragma once
// TfrmAbout: the about box of the Help menu.
#include <QDialog>

namespace vt {

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace vt
