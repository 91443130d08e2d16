#include "editor/ExportForm.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "inspector/ErrorReport.h"
#include "skin/te_export.h"

namespace vt {

TfrmExport::TfrmExport(const TteBitmapList& bitmaps, QWidget* parent)
    : QDialog(parent), FBitmaps(bitmaps) {
  setObjectName("frmExport");
  setWindowTitle("Bitmaps Export");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Destination folder:"));
  FFolders = new QFileSystemModel(this);
  FFolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  FFolders->setRootPath(QDir::rootPath());
  DirectoryListBox1 = new QTreeView;
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  DirectoryListBox1->setModel(FFolders);
  for (int column = 1; column < FFolders->columnCount(); ++column)
    DirectoryListBox1->hideColumn(column);
  DirectoryListBox1->header()->hide();
  column->addWidget(DirectoryListBox1, 1);
  Edit1 = new QLineEdit;
  Edit1->setObjectName("Edit1");
  column->addWidget(Edit1);
  auto* buttons = new QHBoxLayout;
  Button2 = new QPushButton("Export");
  Button2->setObjectName("Button2");
  Button1 = new QPushButton("Close");
  Button1->setObjectName("Button1");
  buttons->addStretch(1);
  buttons->addWidget(Button2);
  buttons->addWidget(Button1);
  column->addLayout(buttons);
  Memo1 = new QPlainTextEdit;
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  column->addWidget(Memo1, 1);
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TfrmExport::DirectoryListBox1Change);
  connect(Button2, &QPushButton::clicked, this, &TfrmExport::Button2Click);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  SetFolder(QDir::homePath());
  resize(480, 520);
}

void TfrmExport::SetFolder(const QString& folder) {
  const QModelIndex index = FFolders->index(folder);
  DirectoryListBox1->setCurrentIndex(index);
  DirectoryListBox1->scrollTo(index);
  Edit1->setText(folder);
}

void TfrmExport::DirectoryListBox1Change() {
  const QModelIndex index = DirectoryListBox1->currentIndex();
  if (index.isValid()) Edit1->setText(FFolders->filePath(index));
}

void TfrmExport::Button2Click() {
  if (FBitmaps.Count() == 0) return;
  Memo1->clear();
  const std::string folder = ExportFolderText(Edit1->text().toStdString());
  Edit1->setText(QString::fromStdString(folder));
  auto log = [this](const std::string& line) {
    Memo1->appendPlainText(QString::fromStdString(line));
  };
  // A failed file ends the export; what was written before it stays and is in the log.
  try {
    ExportBitmaps(FBitmaps, folder, {log, log});
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
  }
}

}  // namespace vt
