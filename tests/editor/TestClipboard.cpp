// Copy and paste of skin objects: hostile payloads, one window, and two processes.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>

#include "PanelTestUtil.h"
#include "rtl/PropStream.h"
#include "skin/se_clipboard.h"
#include "skin/se_skinrecords.h"

namespace vt::test {
namespace {

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// A form with a bitmap child: its record holds nested binary records and zero bytes.
std::unique_ptr<TSeSkinObject> SampleForm() {
  RegisterSkinObjectClasses();
  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Panel");
  form->SetBounds({0, 0, 80, 40});
  auto* child = new TSeBitmapObject(form.get());
  child->SetName("Face");
  child->SetBounds({4, 5, 30, 25});
  return form;
}

std::string RecordOf(const TSeSkinObject& object) {
  TMemoryStream stream;
  WriteSkinObjectText(stream, object);
  return {stream.Bytes().begin(), stream.Bytes().end()};
}

TEST(ClipboardPayload, CopyReadsBackWholeAndHostilePayloadsAreRejected) {
  const auto form = SampleForm();
  const std::string payload = MakeClipboardPayload(*form);
  const size_t at = payload.find('@');
  ASSERT_NE(at, std::string::npos);
  const std::string record = payload.substr(at + 1, payload.size() - at - 2);
  EXPECT_EQ(payload.substr(0, at), std::to_string(record.size()));
  EXPECT_EQ(payload.back(), '\0');
  EXPECT_NE(record.find('\0'), std::string::npos);  // taken by length, not up to a zero

  const auto pasted = ReadClipboardPayload(Bytes(payload));
  EXPECT_EQ(pasted->GetName(), "CopyOfPanel");
  pasted->SetName("Panel");
  EXPECT_EQ(RecordOf(*pasted), RecordOf(*form));

  // Hostile or damaged payloads are rejected.
  const std::string whole = RecordOf(*SampleForm());
  const std::string size = std::to_string(whole.size());
  // The class name is the record's first string: 4 length bytes, then 13 characters.
  const std::string unknownClass = RecordOf(*SampleForm()).replace(4, 13, "TQqUnknownCls");
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"no @", size + whole},
      {"zero before @", std::string("12\0@", 4) + whole},
      {"no digits", "@" + whole},
      {"sign", "+" + size + "@" + whole},
      {"letters", "1a@" + whole},
      {"zero length", "0@" + whole},
      {"longer than present", std::to_string(whole.size() + 1) + "@" + whole},
      {"overflowing digits", "184467440737095516170@" + whole},
      {"huge length", "4294967296@" + whole},
      {"cut whole", std::to_string(whole.size() - 1) + "@" + whole},
      {"garbage whole", "5@abcde"},
      {"unknown class", std::to_string(unknownClass.size()) + "@" + unknownClass},
  };
  for (const auto& [what, payload] : cases) {
    try {
      ReadClipboardPayload(Bytes(payload));
      ADD_FAILURE() << what << ": accepted";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), kInvalidClipboardFormat) << what;
    }
  }
}

struct ClipboardTest : PanelWindowTest {
  const QMimeData* Clip() { return QApplication::clipboard()->mimeData(); }
  TSeSkinObject& Form() { return *Source().GetFormObject(); }
};

// Copy and paste in one window: a child of the selection, or a new form; bad data refused.
TEST_F(ClipboardTest, CopyAndPasteWithinTheWindow) {
  QApplication::clipboard()->setText("before");
  Document().Select(nullptr);
  Press("Ctrl+C");  // nothing selected: the clipboard keeps its text
  EXPECT_EQ(QApplication::clipboard()->text(), "before");

  TSeSkinObject* child = Document().CreateSkinObject(TSeBitmapObject::StaticClassInfo());
  Document().SetModified(false);
  Press("Ctrl+C");
  EXPECT_EQ(Clip()->formats(), QStringList{kSkinObjectMimeType});
  EXPECT_FALSE(Document().Modified());
  Press("Ctrl+V");
  ASSERT_EQ(child->ChildCount(), 1);
  TSeSkinObject* pasted = child->Children(0);
  EXPECT_EQ(pasted->GetName(), "CopyOf" + child->GetName());
  EXPECT_EQ(Document().Selected(), pasted);
  EXPECT_EQ(pasted->BitmapList(), &Source().Bitmaps());
  EXPECT_TRUE(Document().Modified());

  Document().Select(&Form());
  Press("Ctrl+C");
  Document().ClearObjectSelection();
  const int forms = Source().Count();
  Press("Ctrl+V");
  ASSERT_EQ(Source().Count(), forms + 1);
  EXPECT_EQ(Source().Objects(forms)->GetName(), "CopyOfForm");
  EXPECT_EQ(Document().CurrentForm(), Source().Objects(forms));
  EXPECT_EQ(Source().Objects(forms)->ChildCount(), Form().ChildCount());
  EXPECT_TRUE(Errors.empty());

  auto* data = new QMimeData;
  data->setData(kSkinObjectMimeType, QByteArray("999@short\0", 10));
  QApplication::clipboard()->setMimeData(data);
  Document().Select(&Form());
  Document().SetModified(false);
  const int children = Form().ChildCount();
  Press("Ctrl+V");
  EXPECT_EQ(Errors, std::vector<std::string>{kInvalidClipboardFormat});
  EXPECT_EQ(Form().ChildCount(), children);
  EXPECT_FALSE(Document().Modified());
}

// Another process owns the copy until it ends: needs a real clipboard (the x11 run).
TEST_F(ClipboardTest, PastesWhatAnotherProcessCopied) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X server";
  QApplication::clipboard()->clear();
  QProcess copier;
  copier.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VTSKIN_CLIPBOARD_COPIER", "1");
  copier.setProcessEnvironment(environment);
  copier.start(QCoreApplication::applicationFilePath(),
               {"--gtest_filter=ClipboardCopier.CopiesAndWaits"});
  ASSERT_TRUE(copier.waitForStarted());
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return Clip() && Clip()->hasFormat(kSkinObjectMimeType); }, 20000));
  Document().Select(&Form());
  Press("Ctrl+V");
  copier.kill();
  copier.waitForFinished();
  ASSERT_TRUE(Form().FindByName("CopyOfPanel"));
  EXPECT_TRUE(Form().FindByName("CopyOfPanel")->FindByName("Face"));
}

// Run only as the other process of the test above.
TEST(ClipboardCopier, CopiesAndWaits) {
  if (qgetenv("VTSKIN_CLIPBOARD_COPIER") != "1")
    GTEST_SKIP() << "the other process of PastesWhatAnotherProcessCopied";
  const std::string payload = MakeClipboardPayload(*SampleForm());
  auto* data = new QMimeData;
  data->setData(kSkinObjectMimeType, QByteArray(payload.data(), qsizetype(payload.size())));
  QApplication::clipboard()->setMimeData(data);
  QTest::qWait(30000);  // ended by the pasting process
}

}  // namespace
}  // namespace vt::test
