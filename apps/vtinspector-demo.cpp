// Tries the property inspector by hand before the editor exists: a few skin objects to
// choose from, their properties in a TZPropList, and the chosen object painted beside
// it after every change. The objects are painted from two small generated images, so
// that their bitmap links, margins and tile styles have something to show, and the
// links open the bitmap property dialog.
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "editor/BitmapProp.h"
#include "inspector/ZPropLst.h"
#include "rtl/Canvas.h"
#include "rtl/Fonts.h"
#include "skin/te_bitmap.h"
#include "skin/theme_se3objects.h"

namespace {

// A bevelled face with a dark frame: the normal button at the left, the hot one at the
// right, each 32 x 24 pixels.
QImage ButtonFaces() {
  QImage image(64, 24, QImage::Format_ARGB32);
  QPainter painter(&image);
  const auto face = [&painter](int left, QColor top, QColor bottom, QColor frame) {
    QLinearGradient gradient(0, 0, 0, 24);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRect(left, 0, 32, 24), gradient);
    painter.setPen(frame);
    painter.drawRect(QRect(left, 0, 31, 23));
  };
  face(0, QColor(236, 240, 248), QColor(176, 192, 220), QColor(60, 80, 120));
  face(32, QColor(255, 244, 214), QColor(250, 204, 120), QColor(150, 96, 20));
  return image;
}

// A red square with a white cross: a caption's close button.
QImage CloseGlyph() {
  QImage image(21, 21, QImage::Format_ARGB32);
  image.fill(QColor(196, 43, 28));
  QPainter painter(&image);
  painter.setPen(QPen(Qt::white, 2));
  painter.drawLine(6, 6, 14, 14);
  painter.drawLine(14, 6, 6, 14);
  return image;
}

void AddImage(vt::TteBitmapList& images, const char* name, const QImage& image) {
  auto bitmap = std::make_unique<vt::TteBitmap>();
  bitmap->AssignImage(image);
  bitmap->SetName(name);
  images.Add(bitmap.release());
}

void Link(vt::TteBitmapLink& link, const char* image, const vt::TRect& rect) {
  link.SetName(image);
  link.SetRect(rect);
}

std::vector<std::unique_ptr<vt::TSeSkinObject>> SampleObjects(vt::TteBitmapList& images) {
  std::vector<std::unique_ptr<vt::TSeSkinObject>> objects;
  auto add = [&objects, &images](vt::TSeSkinObject* object, const char* name, const char* text) {
    object->SetName(name);
    object->SetBounds({0, 0, 120, 32});
    object->SetText(vt::AnsiToQString(text));
    object->SetTextAlign(vt::TSeTextAlign::taCenter);
    object->SetBitmapList(&images);
    objects.emplace_back(object);
    return object;
  };
  auto* button = new vt::TSeButtonObject(nullptr);
  Link(*button->Bitmap(), "button", {0, 0, 32, 24});
  Link(*button->BitmapHot(), "button", {32, 0, 64, 24});
  add(button, "Button", "Button");
  // Margins make the face a nine-part picture: the frame keeps its width when stretched.
  button->SetMarginLeft(4);
  button->SetMarginTop(4);
  button->SetMarginRight(4);
  button->SetMarginBottom(4);
  button->SetTileStyle(vt::TscTileStyle::tsStretch);
  button->SetBorderTileStyle(vt::TscTileStyle::tsStretch);
  auto* close = new vt::TSeSystemButton(nullptr);
  Link(*close->Bitmap(), "close", {0, 0, 21, 21});
  add(close, "CloseButton", "")->SetBounds({0, 0, 21, 21});
  auto* title = add(new vt::TSeTextObject(nullptr), "Title", "Title text");
  title->SetColor(vt::clBtnFace);
  title->Font()->SetStyle({vt::TFontStyle::fsBold});
  add(new vt::TSeColorButtonObject(nullptr), "ColorButton", "Colour")->SetColor(vt::clSkyBlue);
  for (const auto& object : objects) object->UpdateLinks();
  return objects;
}

QPixmap Painted(vt::TSeSkinObject& object) {
  QImage image(std::max(1, object.GetWidth()), std::max(1, object.GetHeight()),
               QImage::Format_ARGB32);
  image.fill(Qt::lightGray);
  {
    vt::TCanvas canvas(image);
    canvas.SetOrigin({object.GetLeft(), object.GetTop()});
    object.Draw(canvas, object.BoundsRect());
  }
  return QPixmap::fromImage(image.scaled(image.size() * 2));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vt::RegisterApplicationFonts();
  vt::RegisterBitmapPropertyEditors();
  vt::TteBitmapList images;
  AddImage(images, "button", ButtonFaces());
  AddImage(images, "close", CloseGlyph());
  std::vector<std::unique_ptr<vt::TSeSkinObject>> objects = SampleObjects(images);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Inspector demo"));
  auto* chooser = new QComboBox;
  auto* inspector = new vt::TZPropList;
  auto* preview = new QLabel;
  preview->setMinimumSize(260, 100);
  preview->setAlignment(Qt::AlignCenter);
  for (const auto& object : objects)
    chooser->addItem(QString::fromStdString(object->GetName() + ": " + object->ClassName()));
  auto* column = new QVBoxLayout;
  column->addWidget(chooser);
  column->addWidget(inspector, 1);
  auto* layout = new QHBoxLayout(&window);
  layout->addLayout(column);
  layout->addWidget(preview, 1);

  auto show = [&](int index) {
    vt::TSeSkinObject& object = *objects[static_cast<size_t>(index)];
    inspector->SetCurObj(&object);
    object.UpdateLinks();  // a link's name or rectangle may just have changed
    preview->setPixmap(Painted(object));
  };
  inspector->OnChange = [&](vt::TZPropList*) { show(chooser->currentIndex()); };
  QObject::connect(chooser, &QComboBox::currentIndexChanged, show);
  show(0);
  window.resize(560, 520);
  window.show();
  // "--grab FILE" saves a picture of the window and quits: a look without a display.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 3 && arguments[1] == QStringLiteral("--grab"))
    return window.grab().save(arguments[2]) ? 0 : 1;
  return QApplication::exec();
}
