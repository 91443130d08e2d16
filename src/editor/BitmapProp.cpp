#include "BitmapProp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "inspector/ZSkinProps.h"
#include "skin/te_bitmap.h"
#include "skin/theme_se3objects.h"

namespace vt {

namespace {

constexpr int kZoomFactors[] = {1, 2, 4, 8};
// Transparent parts of an image show in the key colour, as the skin stores them.
const QColor kTransparentShade(0x7F, 0x00, 0x7F);

QString PointText(QPoint p) {
  return QStringLiteral("%1:%2").arg(p.x()).arg(p.y());
}

}  // namespace

// ---- The view ---------------------------------------------------------------------

class TBmpView : public QWidget {
 public:
  explicit TBmpView(TfrmBitmapEditor* form) : FForm(form) {
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    FForm->BmpViewPaint(painter);
  }
  void mousePressEvent(QMouseEvent* event) override {
    FForm->BmpViewMouseDown(event->button(), event->position());
  }
  void mouseMoveEvent(QMouseEvent* event) override { FForm->BmpViewMouseMove(event->position()); }
  // Ctrl+wheel zooms; the plain wheel scrolls the box around the view.
  void wheelEvent(QWheelEvent* event) override {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    FForm->BmpViewWheel(event->angleDelta().y() > 0 ? 1 : -1);
    event->accept();
  }

 private:
  TfrmBitmapEditor* FForm;
};

// ---- The form ---------------------------------------------------------------------

TfrmBitmapEditor::TfrmBitmapEditor(QWidget* parent)
    : QDialog(parent),
      Button1(new QPushButton(QStringLiteral("Apply"))),
      Button2(new QPushButton(QStringLiteral("Cancel"))),
      PosLabel(new QLabel(QStringLiteral("0:0"))),
      SizeLabel(new QLabel(QStringLiteral("0:0"))),
      cbZoom(new QComboBox),
      edRect(new QLineEdit),
      cbAll(new QCheckBox(QStringLiteral("All bitmap"))),
      BmpList(new QListWidget),
      ScrollBox1(new QScrollArea),
      BmpView(new TBmpView(this)) {
  setWindowTitle(QStringLiteral("Bitmap Property"));
  setFixedSize(527, 329);
  for (QLabel* label : {PosLabel, SizeLabel}) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(110);
  }
  cbZoom->addItems(
      {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("400"), QStringLiteral("800")});
  edRect->setReadOnly(true);
  ScrollBox1->setWidget(BmpView);
  ScrollBox1->setWidgetResizable(false);

  auto* top = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, PosLabel, SizeLabel})
    top->addWidget(w);
  top->addStretch();
  top->addWidget(new QLabel(QStringLiteral("Zoom:")));
  top->addWidget(cbZoom);
  auto* data = new QGroupBox(QStringLiteral("Data:"));
  auto* dataLayout = new QVBoxLayout(data);
  dataLayout->addWidget(edRect);
  dataLayout->addWidget(cbAll);
  auto* left = new QVBoxLayout;
  left->addWidget(data);
  left->addWidget(new QLabel(QStringLiteral("Bitmaps:")));
  left->addWidget(BmpList, 1);
  auto* body = new QHBoxLayout;
  body->addLayout(left);
  body->addWidget(ScrollBox1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(body, 1);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BmpList, &QListWidget::currentRowChanged, this, [this] { BmpListClick(); });
  connect(cbZoom, &QComboBox::currentIndexChanged, this, [this](int i) { cbZoomChange(i); });
  connect(cbAll, &QCheckBox::clicked, this, [this] { cbAllClick(); });
}

void TfrmBitmapEditor::SetObject(TSeSkinObject* object) {
  FObject = object;
  FLink = nullptr;
  const QSignalBlocker blocker(BmpList);
  BmpList->clear();
  const TteBitmapList* images = object ? object->BitmapList() : nullptr;
  for (int i = 0; images && i < images->Count(); ++i)
    BmpList->addItem(AnsiToQString(images->Bitmaps(i)->Name()));
  ResizeView();
}

void TfrmBitmapEditor::LoadLink(TteBitmapLink* link) {
  FLink = link;
  FFirst = FSecond = QPoint(0, 0);
  const QList<QListWidgetItem*> named =
      link ? BmpList->findItems(AnsiToQString(link->GetName()), Qt::MatchExactly)
           : QList<QListWidgetItem*>();
  if (!named.isEmpty()) {
    const QSignalBlocker blocker(BmpList);
    BmpList->setCurrentItem(named.front());
    FFirst = QPoint(link->GetLeft(), link->GetTop());
    FSecond = QPoint(link->GetRight(), link->GetBottom());
  }
  const TteBitmap* bitmap = SelectedBitmap();
  cbAll->setChecked(bitmap && FSecond == QPoint(bitmap->Width(), bitmap->Height()));
  FSecond -= QPoint(1, 1);  // the stored right and bottom are exclusive
  ShowReadouts();
  ResizeView();
}

TteBitmap* TfrmBitmapEditor::SelectedBitmap() const {
  const QListWidgetItem* item = BmpList->currentItem();
  const TteBitmapList* images = FObject ? FObject->BitmapList() : nullptr;
  if (!item || !images) return nullptr;
  return images->GetBitmapByName(QStringToAnsi(item->text()));
}

void TfrmBitmapEditor::ShowReadouts() {
  edRect->setText(QStringLiteral("(%1)-(%2)").arg(PointText(FFirst), PointText(FSecond)));
  const QPoint size = FSecond - FFirst + QPoint(1, 1);
  SizeLabel->setText(QStringLiteral("Size: (%1)").arg(PointText(size)));
}

void TfrmBitmapEditor::ResizeView() {
  const TteBitmap* bitmap = SelectedBitmap();
  const QSize size = bitmap ? QSize(bitmap->Width(), bitmap->Height()) * FZoom : QSize(0, 0);
  BmpView->resize(size);
  BmpView->update();
}

void TfrmBitmapEditor::BmpListClick() {
  ResizeView();
}

void TfrmBitmapEditor::cbAllClick() {
  ResizeView();
}

void TfrmBitmapEditor::cbZoomChange(int index) {
  FZoom = index >= 0 && index < 4 ? kZoomFactors[index] : 1;
  ResizeView();
}

void TfrmBitmapEditor::BmpViewWheel(int steps) {
  cbZoom->setCurrentIndex(std::clamp(cbZoom->currentIndex() + steps, 0, cbZoom->count() - 1));
}

void TfrmBitmapEditor::BmpViewMouseDown(Qt::MouseButton button, QPointF pos) {
  if (cbAll->isChecked() || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  const QPoint point(static_cast<int>(std::lround(pos.x() / FZoom)),
                     static_cast<int>(std::lround(pos.y() / FZoom)));
  (button == Qt::LeftButton ? FFirst : FSecond) = point;
  ShowReadouts();
  BmpView->update();
}

void TfrmBitmapEditor::BmpViewMouseMove(QPointF pos) {
  const QPoint point(static_cast<int>(pos.x() / FZoom), static_cast<int>(pos.y() / FZoom));
  PosLabel->setText(QStringLiteral("Position: (%1)").arg(PointText(point)));
}

// The image over the key colour and, while a rectangle is being chosen, dotted XOR
// guides: green through the first point, yellow through the second.
QImage TfrmBitmapEditor::WorkImage(const TteBitmap& bitmap) const {
  QImage work(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  work.fill(kTransparentShade);
  QPainter painter(&work);
  painter.drawImage(0, 0, bitmap.ToImage());
  if (cbAll->isChecked()) return work;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  const int right = work.width();
  const int bottom = work.height();
  painter.setPen(QPen(QColor(0, 255, 0), 0, Qt::DotLine));
  painter.drawLine(FFirst.x(), FFirst.y(), FFirst.x(), bottom);
  painter.drawLine(FFirst.x() + 1, FFirst.y(), right, FFirst.y());
  painter.setPen(QPen(QColor(255, 255, 0), 0, Qt::DotLine));
  painter.drawLine(FSecond.x(), 0, FSecond.x(), FSecond.y());
  painter.drawLine(0, FSecond.y(), FSecond.x() - 1, FSecond.y());
  return work;
}

void TfrmBitmapEditor::BmpViewPaint(QPainter& painter) const {
  const TteBitmap* bitmap = SelectedBitmap();
  if (!bitmap || bitmap->Width() < 1 || bitmap->Height() < 1) return;
  const QRect target(0, 0, bitmap->Width() * FZoom, bitmap->Height() * FZoom);
  painter.drawImage(target, WorkImage(*bitmap));
}

void TfrmBitmapEditor::Button1Click() {
  TteBitmap* bitmap = SelectedBitmap();
  if (FLink && FObject && bitmap) {
    FLink->SetBitmap(bitmap);
    FLink->SetName(bitmap->Name());
    FLink->SetRect(cbAll->isChecked()
                       ? TRect{0, 0, bitmap->Width(), bitmap->Height()}
                       : TRect{FFirst.x(), FFirst.y(), FSecond.x() + 1, FSecond.y() + 1});
  }
  accept();
}

void TfrmBitmapEditor::Button2Click() {
  reject();
}

TfrmBitmapEditor& BitmapEditorForm() {
  static TfrmBitmapEditor* form = new TfrmBitmapEditor;  // kept for the program's life
  return *form;
}

// ---- Property editors -------------------------------------------------------------

namespace {

// Opens the dialog on the link of the one selected skin object; with several selected
// objects nothing happens.
bool EditLink(TPersistent* instance, TPersistent* value) {
  auto* object = dynamic_cast<TSeSkinObject*>(instance);
  if (!object) return false;
  TfrmBitmapEditor& form = BitmapEditorForm();
  form.SetObject(object);
  if (auto* link = dynamic_cast<TteBitmapLink*>(value)) form.LoadLink(link);
  return form.exec() == QDialog::Accepted;
}

}  // namespace

TPropertyAttributes TBitmapPropertyEditor::EditorAttributes() {
  return {TPropertyAttribute::paDialog, TPropertyAttribute::paReadOnly};
}

void TBitmapPropertyEditor::Edit() {
  if (PropCount() == 1 && EditLink(GetComponent(0), GetObjectValue())) Modified();
}

TPropertyAttributes TBitmapLinkProperty::EditorAttributes() {
  TPropertyAttributes attributes = TClassProperty::EditorAttributes();
  attributes.Include(TPropertyAttribute::paDialog);
  return attributes;
}

void TBitmapLinkProperty::Edit() {
  if (PropCount() == 1 && EditLink(GetComponent(0), GetObjectValue())) Modified();
}

void RegisterBitmapPropertyEditors() {
  const TTypeInfo& link = ClassTypeInfo<TteBitmapLink>();
  RegisterPropertyEditor(link, nullptr, "", EditorClass<TBitmapLinkProperty>);
  RegisterPropertyEditor(link, nullptr, "Bitmap", EditorClass<TBitmapPropertyEditor>);
  RegisterSkinPropertyEditors();
}

}  // namespace vt
