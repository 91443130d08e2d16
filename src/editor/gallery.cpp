#include "editor/gallery.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/PictureFile.h"
#include "rtl/AnsiText.h"
#include "skin/te_bitmapcollection.h"

namespace vt {

namespace {

constexpr int kCellWidth = 150;
constexpr int kCellHeight = 130;
constexpr int kCellMargin = 4;

// Draws a cell's image with its transparency over the cell, scaled down (never up) to fit
// with its proportions kept, so that large images stay recognisable.
class TGalleryCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    const QImage image = index.data(Qt::DecorationRole).value<QImage>();
    if (image.isNull()) return;
    const QRect cell = option.rect.adjusted(kCellMargin, kCellMargin, -kCellMargin, -kCellMargin);
    QSize size = image.size();
    if (size.width() > cell.width() || size.height() > cell.height())
      size.scale(cell.size(), Qt::KeepAspectRatio);
    const QRect target(cell.center() - QPoint(size.width() / 2, size.height() / 2), size);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, size != image.size());
    painter->drawImage(target, image);
    painter->restore();
  }
};

}  // namespace

// One row, one column per image; the cell shows the image and its name as a tip.
class TGalleryModel : public QAbstractTableModel {
 public:
  explicit TGalleryModel(const TteBitmapList& images, QObject* parent)
      : QAbstractTableModel(parent), FImages(images) {}
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 1; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : FImages.Count();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.column() >= FImages.Count()) return {};
    const TteBitmap* image = FImages.Bitmaps(index.column());
    if (role == Qt::DecorationRole) return image->ToImage();
    if (role == Qt::ToolTipRole)
      return QStringLiteral("%1 (%2 x %3)")
          .arg(AnsiToQString(image->Name()))
          .arg(image->Width())
          .arg(image->Height());
    return {};
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }

 private:
  const TteBitmapList& FImages;
};

TfrmGal::TfrmGal(QWidget* parent, const QString& fileName)
    : QDialog(parent), FFileName(fileName.isEmpty() ? DefaultFileName() : fileName) {
  ShowError = [this](const QString& message) {
    QMessageBox::critical(this, windowTitle(), message);
  };
  ChooseFiles = [this] {
    return QFileDialog::getOpenFileNames(this, QStringLiteral("Open Bitmap"), {},
                                         PictureFileFilter());
  };
  FormCreate();
}

TfrmGal::~TfrmGal() = default;

QString TfrmGal::DefaultFileName() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/gallery.res");
}

void TfrmGal::FormCreate() {
  setWindowTitle(QStringLiteral("Gallery"));
  FModel = new TGalleryModel(FImages, this);
  DrawGrid1 = new QTableView(this);
  DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
  DrawGrid1->setModel(FModel);
  DrawGrid1->setItemDelegate(new TGalleryCellDelegate(DrawGrid1));
  DrawGrid1->horizontalHeader()->hide();
  DrawGrid1->verticalHeader()->hide();
  DrawGrid1->horizontalHeader()->setDefaultSectionSize(kCellWidth);
  DrawGrid1->verticalHeader()->setDefaultSectionSize(kCellHeight);
  DrawGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  DrawGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  DrawGrid1->setShowGrid(true);
  DrawGrid1->setMinimumSize(3 * kCellWidth + 8, kCellHeight + 24);
  connect(DrawGrid1, &QTableView::doubleClicked, this, [this] { DrawGrid1DblClick(); });

  BitBtn1 = new QPushButton(QStringLiteral("Insert"), this);
  BitBtn2 = new QPushButton(QStringLiteral("Close"), this);
  BitBtn3 = new QPushButton(QStringLiteral("Add Image"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn3);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(DrawGrid1);
  layout->addLayout(buttons);
  resize(4 * kCellWidth + 24, kCellHeight + 90);
  LoadGallery();
}

void TfrmGal::LoadGallery() {
  QFile file(FFileName);
  if (!file.exists()) return;  // no gallery yet: it is created when the dialog closes
  if (!file.open(QIODevice::ReadOnly)) {
    FDamaged = true;
    FLoadProblem = QStringLiteral("The gallery %1 cannot be read: %2")
                       .arg(QDir::toNativeSeparators(FFileName), file.errorString());
    return;
  }
  const QByteArray bytes = file.readAll();
  TReadOnlyMemoryStream stream(bytes.constData(), bytes.size());
  const TBitmapCollectionRead read = ReadBitmapCollection(stream, FImages);
  RefreshColumns();
  if (!read.Damaged()) return;
  FDamaged = true;
  FLoadProblem = QStringLiteral(
                     "The gallery %1 is damaged: %2. It opens with the images that "
                     "could be read; the damaged file will be kept as %3.")
                     .arg(QDir::toNativeSeparators(FFileName), QString::fromStdString(read.Error),
                          QDir::toNativeSeparators(FFileName + QStringLiteral(".damaged")));
}

void TfrmGal::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (FLoadProblem.isEmpty() || FLoadProblemShown) return;
  FLoadProblemShown = true;
  // Said once the gallery is on screen, so that the message stands over it.
  QMetaObject::invokeMethod(
      this, [this] { ShowError(FLoadProblem); }, Qt::QueuedConnection);
}

void TfrmGal::RefreshColumns() {
  FModel->Reset();
  if (FImages.Count() > 0 && !DrawGrid1->currentIndex().isValid())
    DrawGrid1->setCurrentIndex(FModel->index(0, 0));
}

const TteBitmap* TfrmGal::SelectedImage() const {
  const QModelIndex current = DrawGrid1->currentIndex();
  if (!current.isValid() || current.column() >= FImages.Count()) return nullptr;
  return FImages.Bitmaps(current.column());
}

void TfrmGal::AddImages(const QStringList& files) {
  for (const QString& file : files) {
    auto image = std::make_unique<TteBitmap>();
    try {
      LoadPicture(file, *image);
    } catch (const Exception& error) {
      ShowError(QString::fromStdString(error.what()));
      break;
    }
    FImages.Add(image.release());
  }
  RefreshColumns();
}

void TfrmGal::BitBtn3Click() {
  AddImages(ChooseFiles());
}

void TfrmGal::DrawGrid1DblClick() {
  accept();
}

bool TfrmGal::SaveGallery() {
  QDir().mkpath(QFileInfo(FFileName).absolutePath());
  // A damaged gallery is kept aside once, so that what could not be read is not lost.
  const QString aside = FFileName + QStringLiteral(".damaged");
  if (FDamaged && QFile::exists(FFileName)) {
    QFile::remove(aside);
    if (!QFile::rename(FFileName, aside)) {
      ShowError(QStringLiteral("The damaged gallery %1 cannot be kept as %2, so it is not "
                               "overwritten.")
                    .arg(QDir::toNativeSeparators(FFileName), QDir::toNativeSeparators(aside)));
      return false;
    }
    FDamaged = false;
  }
  TMemoryStream stream;
  WriteBitmapCollection(stream, FImages);
  QSaveFile file(FFileName);
  const bool written =
      file.open(QIODevice::WriteOnly) &&
      file.write(reinterpret_cast<const char*>(stream.Memory()), stream.Size()) == stream.Size() &&
      file.commit();
  if (!written)
    ShowError(QStringLiteral("The gallery %1 cannot be saved: %2")
                  .arg(QDir::toNativeSeparators(FFileName), file.errorString()));
  return written;
}

void TfrmGal::done(int result) {
  // The gallery is written every time it closes, whether or not it changed.
  SaveGallery();
  QDialog::done(result);
}

}  // namespace vt
