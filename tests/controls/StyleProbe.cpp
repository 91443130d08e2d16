// Paints one 75 x 25 push button with the style named by the first argument into the PNG
// file named by the second. Exit code 2 when the style cannot be created.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 1;
  QStyle* style = QStyleFactory::create(QString::fromLocal8Bit(argv[1]));
  if (!style) return 2;
  QApplication::setStyle(style);
  QPushButton button(QStringLiteral("OK"));
  button.resize(75, 25);
  return button.grab().toImage().save(QString::fromLocal8Bit(argv[2])) ? 0 : 3;
}
