#include "editor/OpenBitmap.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/PictureFile.h"
#include "editor/gallery.h"
#include "rtl/Graphics.h"

namespace vt {

namespace {

constexpr int kViewSize = 260;
constexpr int kCheckerSquare = 8;
constexpr QRgb kCheckerLight = 0xFFFFFFFFu;
constexpr QRgb kCheckerDark = 0xFFB0B0B0u;

void ShowColor(QFrame* panel, QRgb color) {
  panel->setStyleSheet(QStringLiteral("background-color: %1;").arg(QColor(color).name()));
  panel->setProperty("color", QColor(color));
}

// A decimal colour component from an edit; the conversion error names the text.
int ColorComponent(const QLineEdit* edit) {
  bool ok = false;
  const int value = edit->text().trimmed().toInt(&ok);
  if (!ok) throw EConvertError("'" + edit->text().toStdString() + "' is not a valid integer value");
  if (value < 0 || value > 255)
    throw EConvertError("'" + edit->text().toStdString() +
                        "' is not a colour component (0 to 255)");
  return value;
}

}  // namespace

// The loaded picture at the dialog's zoom; the pixel under the pointer is read on every
// move and taken as the mask colour on a click.
class TSourceImage : public QWidget {
 public:
  explicit TSourceImage(TfrmOpenBitmap* form) : QWidget(form), FForm(form) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (FForm->FPicture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(rect(), FForm->FPicture);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    FForm->SrcImgMouseMove(event->position().toPoint());
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) FForm->SrcImgMouseDown(event->position().toPoint());
  }

 private:
  TfrmOpenBitmap* FForm;
};

// The image as it will enter the skin, over a checkerboard, at the dialog's zoom.
class TMaskedImage : public QWidget {
 public:
  explicit TMaskedImage(TfrmOpenBitmap* form) : QWidget(form), FForm(form) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    FForm->DstPaintPaint(painter);
  }

 private:
  TfrmOpenBitmap* FForm;
};

TfrmOpenBitmap::TfrmOpenBitmap(QWidget* parent) : QDialog(parent) {
  ShowError = [this](const QString& message) {
    QMessageBox::critical(this, windowTitle(), message);
  };
  ChooseFile = [this] {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Open Bitmap"), {},
                                        PictureFileFilter());
  };
  CreateGallery = [](QWidget* owner) { return std::make_unique<TfrmGal>(owner); };
  FormCreate();
}

TfrmOpenBitmap::~TfrmOpenBitmap() = default;

void TfrmOpenBitmap::FormCreate() {
  setWindowTitle(QStringLiteral("Open Bitmap"));
  SrcImg = new TSourceImage(this);
  DstPaint = new TMaskedImage(this);
  SrcImg->setObjectName(QStringLiteral("SrcImg"));
  DstPaint->setObjectName(QStringLiteral("DstPaint"));
  ScrollBox1 = new QScrollArea(this);
  ScrollBox2 = new QScrollArea(this);
  for (auto [box, view] : {std::pair{ScrollBox1, SrcImg}, std::pair{ScrollBox2, DstPaint}}) {
    box->setWidget(view);
    box->setFixedSize(kViewSize, kViewSize);
    view->resize(0, 0);
  }

  SpeedButton1 = new QToolButton(this);
  SpeedButton2 = new QToolButton(this);
  SpeedButton1->setText(QStringLiteral("-"));
  SpeedButton2->setText(QStringLiteral("+"));
  SpeedButton1->setToolTip(QStringLiteral("Zoom out"));
  SpeedButton2->setToolTip(QStringLiteral("Zoom in"));
  ScaleLabel = new QLabel(QStringLiteral("100%"), this);
  ScaleLabel->setAlignment(Qt::AlignCenter);
  ScaleLabel->setMinimumWidth(48);
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });

  btnLoad = new QPushButton(QStringLiteral("Load bitmap..."), this);
  Button3 = new QPushButton(QStringLiteral("From Gallery..."), this);
  connect(btnLoad, &QPushButton::clicked, this, [this] { btnLoadClick(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

  auto* mask = new QGroupBox(QStringLiteral("Mask:"), this);
  edR = new QLineEdit(QStringLiteral("0"), mask);
  edG = new QLineEdit(QStringLiteral("0"), mask);
  edB = new QLineEdit(QStringLiteral("0"), mask);
  MaskPanel = new QFrame(mask);
  MaskPanel->setFrameShape(QFrame::Box);
  MaskPanel->setFixedSize(32, 20);
  SpeedButton3 = new QToolButton(mask);
  SpeedButton3->setText(QStringLiteral("Apply"));
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
  auto* maskLayout = new QHBoxLayout(mask);
  for (auto [caption, edit] : {std::pair{"R:", edR}, std::pair{"G:", edG}, std::pair{"B:", edB}}) {
    edit->setMaximumWidth(40);
    maskLayout->addWidget(new QLabel(QString::fromLatin1(caption), mask));
    maskLayout->addWidget(edit);
  }
  maskLayout->addWidget(MaskPanel);
  maskLayout->addWidget(SpeedButton3);

  CurColor = new QFrame(this);
  CurColor->setFrameShape(QFrame::Box);
  CurColor->setFixedSize(32, 20);
  CurColor->setToolTip(QStringLiteral("The colour under the pointer"));

  Button1 = new QPushButton(QStringLiteral("Ok"), this);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* views = new QGridLayout;
  views->addWidget(new QLabel(QStringLiteral("Source Image (click to select mask color)"), this), 0,
                   0);
  views->addWidget(new QLabel(QStringLiteral("With Mask"), this), 0, 1);
  views->addWidget(ScrollBox1, 1, 0);
  views->addWidget(ScrollBox2, 1, 1);
  auto* zoom = new QHBoxLayout;
  zoom->addWidget(SpeedButton1);
  zoom->addWidget(ScaleLabel);
  zoom->addWidget(SpeedButton2);
  zoom->addStretch();
  zoom->addWidget(CurColor);
  auto* load = new QHBoxLayout;
  load->addWidget(btnLoad);
  load->addWidget(Button3);
  load->addStretch();
  auto* close = new QHBoxLayout;
  close->addStretch();
  close->addWidget(Button1);
  close->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(views);
  layout->addLayout(zoom);
  layout->addLayout(load);
  layout->addWidget(mask);
  layout->addLayout(close);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowColor(MaskPanel, qRgb(0, 0, 0));
  ShowColor(CurColor, qRgb(0, 0, 0));
}

std::unique_ptr<TteBitmap> TfrmOpenBitmap::Execute(QWidget* parent) {
  TfrmOpenBitmap form(parent);
  if (form.exec() != QDialog::Accepted) return nullptr;
  return form.Result();
}

std::unique_ptr<TteBitmap> TfrmOpenBitmap::Result() const {
  auto result = std::make_unique<TteBitmap>();
  result->Assign(FBitmap);
  result->SetName(FBitmap.Name());
  bool keyed = false;
  for (int y = 0; y < result->Height(); ++y) {
    uint32_t* row = result->ScanLine(y);
    for (int x = 0; x < result->Width(); ++x)
      if ((row[x] >> 24) == 0) {
        row[x] = kKeyPixel;
        keyed = true;
      }
  }
  if (keyed) result->SetKeyFlag(true);
  result->CheckAlpha();
  return result;
}

bool TfrmOpenBitmap::LoadFile(const QString& fileName) {
  TteBitmap loaded;
  try {
    LoadPicture(fileName, loaded);
  } catch (const Exception& error) {
    ShowError(QString::fromStdString(error.what()));
    return false;
  }
  TakeImage(loaded);
  return true;
}

void TfrmOpenBitmap::TakeImage(const TteBitmap& image) {
  FLoaded.Assign(image);
  FLoaded.SetName(image.Name());
  FBitmap.Assign(image);
  FBitmap.SetName(image.Name());
  FPicture = image.ToImage();
  RefreshViews();
}

void TfrmOpenBitmap::btnLoadClick() {
  const QString fileName = ChooseFile();
  if (!fileName.isEmpty()) LoadFile(fileName);
}

void TfrmOpenBitmap::Button3Click() {
  std::unique_ptr<TfrmGal> gallery = CreateGallery(this);
  if (gallery->exec() != QDialog::Accepted) return;
  if (const TteBitmap* image = gallery->SelectedImage()) TakeImage(*image);
}

void TfrmOpenBitmap::SpeedButton1Click() {
  FScale = std::max(1, FScale - 1);
  RefreshViews();
}

void TfrmOpenBitmap::SpeedButton2Click() {
  ++FScale;
  RefreshViews();
}

void TfrmOpenBitmap::SpeedButton3Click() {
  try {
    ApplyMaskColor(qRgb(ColorComponent(edR), ColorComponent(edG), ColorComponent(edB)));
  } catch (const Exception& error) {
    ShowError(QString::fromStdString(error.what()));
  }
}

std::optional<QPoint> TfrmOpenBitmap::PixelAt(QPoint position) const {
  // Every screen pixel of a zoomed image pixel belongs to that image pixel.
  const QPoint pixel(position.x() / FScale, position.y() / FScale);
  if (position.x() < 0 || position.y() < 0 || pixel.x() >= FBitmap.Width() ||
      pixel.y() >= FBitmap.Height())
    return std::nullopt;
  return pixel;
}

void TfrmOpenBitmap::SrcImgMouseMove(QPoint position) {
  if (const auto pixel = PixelAt(position)) {
    FCurrentColor = FLoaded.Pixels(pixel->x(), pixel->y()) | 0xFF000000u;
    ShowColor(CurColor, FCurrentColor);
  }
}

void TfrmOpenBitmap::SrcImgMouseDown(QPoint position) {
  if (const auto pixel = PixelAt(position)) ApplyMaskColor(FLoaded.Pixels(pixel->x(), pixel->y()));
}

void TfrmOpenBitmap::ApplyMaskColor(QRgb color) {
  FMaskColor = color | 0xFF000000u;
  ShowColor(MaskPanel, FMaskColor);
  edR->setText(QString::number(qRed(color)));
  edG->setText(QString::number(qGreen(color)));
  edB->setText(QString::number(qBlue(color)));
  // The pixels go back to how they were loaded, so that only one colour is masked at a
  // time and a picture's own transparency is not lost to an earlier mask.
  FBitmap.Assign(FLoaded);
  const uint32_t rgb = color & 0x00FFFFFFu;
  for (int y = 0; y < FBitmap.Height(); ++y) {
    uint32_t* row = FBitmap.ScanLine(y);
    for (int x = 0; x < FBitmap.Width(); ++x)
      if ((row[x] & 0x00FFFFFFu) == rgb) row[x] = rgb;
  }
  FBitmap.CheckAlpha();
  RefreshViews();
}

QImage TfrmOpenBitmap::MaskedPreview() const {
  if (FBitmap.Empty()) return {};
  QImage preview(FBitmap.Width(), FBitmap.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < preview.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(preview.scanLine(y));
    for (int x = 0; x < preview.width(); ++x)
      row[x] = ((x / kCheckerSquare + y / kCheckerSquare) % 2) ? kCheckerDark : kCheckerLight;
  }
  QPainter painter(&preview);
  painter.drawImage(0, 0, FBitmap.ToImage());
  return preview;
}

void TfrmOpenBitmap::DstPaintPaint(QPainter& painter) const {
  const QImage preview = MaskedPreview();
  if (!preview.isNull()) painter.drawImage(DstPaint->rect(), preview);
}

void TfrmOpenBitmap::RefreshViews() {
  ScaleLabel->setText(QString::number(FScale * 100) + QLatin1Char('%'));
  const QSize size(FBitmap.Width() * FScale, FBitmap.Height() * FScale);
  SrcImg->resize(size);
  DstPaint->resize(size);
  SrcImg->update();
  DstPaint->update();
}

}  // namespace vt
