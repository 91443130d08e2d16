#include "editor/pickcolor.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vt {

namespace {

void PaintSwatch(QFrame* panel, QRgb color) {
  panel->setStyleSheet(QStringLiteral("background-color: %1;").arg(QColor(color).name()));
}

uint32_t ColorValue(QRgb color) {
  return uint32_t(qRed(color)) | uint32_t(qGreen(color)) << 8 | uint32_t(qBlue(color)) << 16;
}

}  // namespace

TfrmPickColor::TfrmPickColor(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setWindowTitle(QStringLiteral("Pick color"));
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setMinimumSize(64, 48);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  BitBtn2 = new QPushButton(QStringLiteral("&Start"), this);
  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  Button1 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
  Notice = new QLabel(this);
  Notice->setWordWrap(true);
  Notice->hide();

  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  auto* value = new QGridLayout;
  value->addWidget(Panel1, 0, 0, 2, 1);
  value->addWidget(new QLabel(QStringLiteral("Color:"), this), 0, 1);
  value->addWidget(Edit1, 1, 1);
  value->addWidget(BitBtn2, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(Button1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(value);
  layout->addWidget(Notice);
  layout->addWidget(bevel);
  layout->addLayout(buttons);
  resize(249, 147);
  PaintSwatch(Panel1, FSwatch);

  if (!CanReadScreen()) {
    BitBtn2->setEnabled(false);
    Notice->setText(
        QStringLiteral("This desktop does not let programs read the colours on "
                       "the screen, so colours cannot be picked here."));
    Notice->show();
  }
}

TfrmPickColor::~TfrmPickColor() {
  StopPicking();
}

bool TfrmPickColor::CanReadScreen() {
  // Wayland gives a program no screen pixels but its own; a wrong colour would be worse
  // than none.
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<QRgb> TfrmPickColor::ScreenPixel(QPoint global) {
  QScreen* screen = QGuiApplication::screenAt(global);
  if (!screen) return std::nullopt;
  const QPoint local = global - screen->geometry().topLeft();
  const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
  if (pixel.isNull()) return std::nullopt;
  return pixel.pixel(0, 0) | 0xFF000000u;
}

void TfrmPickColor::BitBtn2Click() {
  FPicking = true;
  setMouseTracking(true);
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
  grabMouse();
}

void TfrmPickColor::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove(event->globalPosition().toPoint());
  QDialog::mouseMoveEvent(event);
}

void TfrmPickColor::mousePressEvent(QMouseEvent* event) {
  if (FPicking) {
    FormMouseMove(event->globalPosition().toPoint());
    FormMouseDown();
    return;
  }
  QDialog::mousePressEvent(event);
}

void TfrmPickColor::FormMouseMove(QPoint global) {
  if (!FPicking) return;
  if (const auto color = ScreenPixel(global)) {
    FSwatch = *color;
    PaintSwatch(Panel1, FSwatch);
  }
}

void TfrmPickColor::FormMouseDown() {
  FPickedColor = ColorValue(FSwatch);
  Edit1->setText(QString::number(FPickedColor));
  QGuiApplication::clipboard()->setText(Edit1->text());
  StopPicking();
}

void TfrmPickColor::StopPicking() {
  if (!FPicking) return;
  FPicking = false;
  releaseMouse();
  QApplication::restoreOverrideCursor();
}

}  // namespace vt
