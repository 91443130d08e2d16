#pragma once
// The colour picker: after "&Start", the colour of whatever pixel of the screen is under
// the pointer shows in the swatch, and the next click anywhere picks it: its number goes
// into the edit and onto the clipboard.
#include <QDialog>
#include <QRgb>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vt {

class TfrmPickColor : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmPickColor(QWidget* parent = nullptr);
  ~TfrmPickColor() override;

  // Whether this platform lets a program read the screen's pixels (not so on Wayland
  // without a portal); when not, the dialog says so and "&Start" stays disabled.
  static bool CanReadScreen();
  // The screen pixel at a global position, or none when it cannot be read.
  static std::optional<QRgb> ScreenPixel(QPoint global);

  bool Picking() const { return FPicking; }
  // The picked colour as a colour value: red in the low byte.
  uint32_t PickedColor() const { return FPickedColor; }

  QFrame* Panel1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "OK"
  QPushButton* BitBtn2 = nullptr;  // "&Start"
  QPushButton* Button1 = nullptr;  // "Cancel"
  QLabel* Notice = nullptr;        // why picking is not possible, where it is not

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BitBtn2Click();
  void FormMouseMove(QPoint global);
  void FormMouseDown();
  void StopPicking();

  bool FPicking = false;
  QRgb FSwatch = 0xFF000000u;
  uint32_t FPickedColor = 0;
};

}  // namespace vt
