#include "editor/about.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("About VtSkinEd");
  auto* product = new QLabel("Veltrane Skin Editor");
  product->setObjectName("ProductName");
  QFont big = product->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 4);
  product->setFont(big);
  auto* version = new QLabel("Version 2.00");
  version->setObjectName("Version");
  auto* maker = new QLabel("Veltrane weather software");
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  for (QLabel* label : {product, version, maker}) {
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
  }
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vt
