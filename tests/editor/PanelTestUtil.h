#pragma once
// A main window for the panel tests: its messages and the open-bitmap dialog answer from
// the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "EditorTestUtil.h"
#include "editor/main.h"
#include "inspector/ErrorReport.h"
#include "skin/se_skinsource.h"

namespace vt::test {

struct PanelWindowTest : testing::Test {
  void SetUp() override {
    FSavedReport = SetErrorReport([this](const std::string& m) { Errors.push_back(m); });
    Window = new TfrmMain;
    Window->AskBitmap = [this] { return std::exchange(NextBitmap, nullptr); };
    Window->show();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window));
  }
  void TearDown() override {
    delete Window;
    SetErrorReport(FSavedReport);
  }
  TSkinDocument& Document() { return Window->Document(); }
  TSeSkinSource& Source() { return Window->Document().Source(); }
  void Press(const char* keys) { QTest::keySequence(Window, QKeySequence(keys)); }
  QAction* Action(const char* name) { return Window->findChild<QAction*>(name); }

  TfrmMain* Window = nullptr;
  std::vector<std::string> Errors;
  std::unique_ptr<TteBitmap> NextBitmap;  // what the open-bitmap dialog returns next

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
