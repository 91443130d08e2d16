#pragma once
// TfrmTest, "Test": a preview window crowded with every kind of themed control, so that the
// designer sees the skin on live controls in each of their states.
#include "editor/EmptyForm.h"

class QMenu;
class QMenuBar;
class QProgressBar;
class QScrollBar;
class QSlider;
class QTabWidget;
class QToolBar;

namespace vt {

class TfrmTest : public TfrmPreviewBase {
  Q_OBJECT
 public:
  explicit TfrmTest(const QString& skinFile = {}, QWidget* parent = nullptr);

  QMenuBar* SeSkinMenuBar1 = nullptr;
  QMenuBar* SeSkinMenuBar2 = nullptr;
  QMenu* SeSkinPopupMenu1 = nullptr;
  QToolBar* SeSkinToolBar1 = nullptr;
  QTabWidget* SeSkinTabControl1 = nullptr;
  QSlider* SeSkinTrackBar1 = nullptr;
  QSlider* SeSkinTrackBar2 = nullptr;
  QScrollBar* SeSkinScrollBar1 = nullptr;
  QScrollBar* SeSkinScrollBar2 = nullptr;
  QProgressBar* SeSkinProgressBar1 = nullptr;
  QProgressBar* SeSkinProgressBar2 = nullptr;

 public slots:
  void CustomItem6Click();
  void SeSkinTrackBar1Change();
  void SeSkinScrollBar2Change();
  void SeSkinTrackBar2Change();
  void SeSkinScrollBar1Change();

 private:
  void CreateMenus();
  QWidget* CreateControlBar();
  QWidget* CreateControlsPage();
  QWidget* CreateListsPage();
  QWidget* CreateContainersPage();
  QWidget* CreateButtonColumn();
  QWidget* CreateEditColumn();
  QWidget* CreateBarColumn();
  void ConnectHandlers();
};

}  // namespace vt
