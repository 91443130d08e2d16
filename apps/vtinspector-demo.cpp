// Tries the property inspector by hand before the editor exists: a few skin objects to
// choose from, their properties in a TZPropList, and the chosen object painted beside
// it after every change.
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "inspector/ZPropLst.h"
#include "rtl/Canvas.h"
#include "rtl/Fonts.h"
#include "skin/theme_se3objects.h"

namespace {

std::vector<std::unique_ptr<vt::TSeSkinObject>> SampleObjects() {
  std::vector<std::unique_ptr<vt::TSeSkinObject>> objects;
  auto add = [&objects](vt::TSeSkinObject* object, const char* name, const char* text) {
    object->SetName(name);
    object->SetBounds({0, 0, 120, 32});
    object->SetText(QString::fromLatin1(text));
    object->SetTextAlign(vt::TSeTextAlign::taCenter);
    objects.emplace_back(object);
  };
  add(new vt::TSeButtonObject(nullptr), "Button", "Button");
  add(new vt::TSeSystemButton(nullptr), "CloseButton", "");
  add(new vt::TSeTextObject(nullptr), "Title", "Title text");
  add(new vt::TSeColorButtonObject(nullptr), "ColorButton", "Colour");
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
  std::vector<std::unique_ptr<vt::TSeSkinObject>> objects = SampleObjects();

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
    inspector->SetCurObj(objects[static_cast<size_t>(index)].get());
    preview->setPixmap(Painted(*objects[static_cast<size_t>(index)]));
  };
  inspector->OnChange = [&](vt::TZPropList*) { show(chooser->currentIndex()); };
  QObject::connect(chooser, &QComboBox::currentIndexChanged, show);
  show(0);
  window.resize(560, 520);
  window.show();
  return QApplication::exec();
}
