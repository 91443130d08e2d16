#pragma once
// A main window whose dialogs and messages answer from the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>

#include "EditorTestUtil.h"
#include "editor/main.h"
#include "inspector/ErrorReport.h"
#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt::test {

struct PanelWindowTest : testing::Test {
  void SetUp() override {
    FSavedReport = SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
    Open();
  }
  void TearDown() override {
    delete Window;
    SetErrorReport(FSavedReport);
  }
  // A new window started with `arguments`, in place of the previous one.
  void Open(const QStringList& arguments = {}) {
    delete std::exchange(Window, new TfrmMain(arguments));
    Window->AskBitmap = [this] { return std::exchange(NextBitmap, nullptr); };
    Window->AskSaveFileName = [this]() -> std::optional<QString> {
      ++SaveDialogs;
      return SaveName.isEmpty() ? std::nullopt : std::optional(SaveName);
    };
    Window->AskYesNoCancel = [this](const QString& question) {
      Questions << question;
      return Answer;
    };
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window));
  }
  TSkinDocument& Document() { return Window->Document(); }
  TSeSkinSource& Source() { return Window->Document().Source(); }
  void Press(const char* keys) { QTest::keySequence(Window, QKeySequence(keys)); }
  QAction* Action(const char* name) { return Window->findChild<QAction*>(name); }
  void Click(const char* button) {
    QTest::mouseClick(Window->findChild<QPushButton*>(button), Qt::LeftButton);
  }
  // A bitmap object on the form linking `rect` of the image `image`, set as the inspector
  // sets it; the document then counts as saved.
  TSeBitmapObject& AddPicture(const std::string& image, const TRect& rect = {0, 0, 2, 2}) {
    Document().Select(Source().GetFormObject());
    auto& object = dynamic_cast<TSeBitmapObject&>(
        *Document().CreateSkinObject(TSeBitmapObject::StaticClassInfo()));
    TteBitmapLink link;
    link.SetName(image);
    link.SetRect(rect);
    Document().PropertyChanging();
    object.SetBitmap(link);
    object.UpdateLinks();
    Document().PropertyChanged();
    Document().SetModified(false);
    return object;
  }

  TfrmMain* Window = nullptr;
  std::vector<std::string> Errors;
  std::unique_ptr<TteBitmap> NextBitmap;  // what the open-bitmap dialog returns next
  TSkinFolder Folder;
  QString SaveName;  // what the save dialog answers (empty: cancelled)
  int SaveDialogs = 0;
  QStringList Questions;
  QMessageBox::StandardButton Answer = QMessageBox::Cancel;

 private:
  TErrorReport FSavedReport;
};

// A w x h image of one colour, named `name`.
inline std::unique_ptr<TteBitmap> SolidImage(const std::string& name, int w, int h,
                                             uint32_t pixel = 0xFF336699u) {
  auto image = std::make_unique<TteBitmap>();
  image->SetSize(w, h);
  image->FillColor(pixel);
  image->SetName(name);
  return image;
}

}  // namespace vt::test
