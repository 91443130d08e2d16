// The engine's three ways of choosing the current theme and how they reset each other,
// theme lists and their stored streams, and the link that keeps a theme of its own.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "SkinThemeTestSkin.h"
#include "rtl/PropStream.h"
#include "theme/te_engine.h"
#include "theme/te_flattheme.h"

namespace vt {
namespace {

using namespace vt::testing;

class TRecorder : public TteThemeNotifiable {
 public:
  void ThemeMessage(const TteThemeMessage& message) override { Messages.push_back(message); }
  std::vector<TteThemeMessage> Messages;
};

std::vector<uint8_t> SavedSkin(const std::string& skinName) {
  auto skin = TTestSkin::Full();
  skin->Source().SetSkinName(skinName);
  TMemoryStream stream;
  skin->Theme()->SaveToStream(stream);
  return stream.Bytes();
}

void Store(TTeThemeStream& item, const std::vector<uint8_t>& bytes, const std::string& name) {
  TMemoryStream data;
  WriteUInt8(data, 2);
  WriteLengthString(data, name);
  const uint64_t size = bytes.size();
  for (int i = 0; i < 8; ++i) WriteUInt8(data, uint8_t(size >> (8 * i)));
  data.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  data.SetPosition(0);
  item.ReadData(data);
}

std::string ThemeNameOf(const TTeRidadIveror&) {
  return CurrentTheme() ? CurrentTheme()->GetName() : "-";
}
std::string ThemeNameOf(const TTeThemeLink& link) {
  return link.GetTheme() ? link.GetTheme()->GetName() : "-";
}

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearCurrentTheme();
    ASSERT_TRUE(FDir.isValid());
    FFileA = FDir.filePath("a.mskn").toStdString();
    const std::vector<uint8_t> a = SavedSkin("Skin A");
    TFileStream(FFileA, TFileMode::fmCreate).WriteBuffer(a.data(), int64_t(a.size()));
    FList = new TTeThemeList(&FOwner);
    Store(FList->Themes()->Add(), SavedSkin("Skin B"), "Skin B");
    Store(FList->Themes()->Add(), SavedSkin("Skin C"), "Skin C");
  }
  void TearDown() override { ClearCurrentTheme(); }

  QTemporaryDir FDir;
  std::string FFileA;
  TComponent FOwner{nullptr};
  TTeThemeList* FList = nullptr;
};

TEST_F(Engine, BuiltInThemesByTypeNameFilesAndTheChangeEvent) {
  TTeRidadIveror engine(nullptr);
  int changes = 0;
  engine.OnThemeChanged = [&](TTeRidadIveror& sender) {
    EXPECT_EQ(&sender, &engine);
    ++changes;
  };
  engine.SetThemeFile(FFileA);
  engine.SetThemeBuilding("flat");
  EXPECT_TRUE(dynamic_cast<TTeFlatTheme*>(CurrentTheme()));
  EXPECT_EQ(engine.GetThemeBuilding(), "Flat") << "the class's own spelling";
  EXPECT_EQ(engine.GetThemeFile(), "");

  engine.SetThemeBuilding("Nothing like it");
  EXPECT_EQ(engine.GetThemeBuilding(), "No theme");
  EXPECT_TRUE(dynamic_cast<TTeFlatTheme*>(CurrentTheme())) << "an unknown name changes nothing";
  engine.SetThemeBuilding("VezeDaruvo 3 theme");
  EXPECT_EQ(engine.GetThemeBuilding(), "No theme") << "the skin theme is not built in";
  EXPECT_EQ(changes, 2);
  SetThemeDeltaHue(10);
  EXPECT_EQ(changes, 3);

  // A file resets the other choices and keeps the engine's shift.
  engine.SetDeltaHue(30);
  engine.SetThemeBuilding("Flat");
  engine.SetThemeFile(FFileA);
  EXPECT_EQ(ThemeNameOf(engine), "Skin A");
  EXPECT_EQ(CurrentTheme()->GetDeltaHue(), 30);
  EXPECT_EQ(engine.GetThemeBuilding(), "No theme");
  EXPECT_EQ(engine.GetThemeIndex(), -1);

  // A file that cannot be loaded clears the theme when no list entry is in use...
  engine.SetThemeFile(FDir.filePath("missing.mskn").toStdString());
  EXPECT_EQ(CurrentTheme(), nullptr);
  // ... and keeps it when one is.
  engine.SetThemeList(FList);
  engine.SetThemeIndex(0);
  ASSERT_EQ(ThemeNameOf(engine), "Skin B");
  engine.SetThemeFile(FDir.filePath("missing.mskn").toStdString());
  EXPECT_EQ(ThemeNameOf(engine), "Skin B");
  EXPECT_EQ(engine.GetThemeIndex(), 0);
  // List entries clamp, reset the other choices and go with the list.
  engine.SetThemeFile(FFileA);
  engine.SetThemeList(FList);
  engine.SetThemeIndex(5);
  EXPECT_EQ(engine.GetThemeIndex(), 1);
  EXPECT_EQ(ThemeNameOf(engine), "Skin C");
  EXPECT_EQ(engine.GetThemeFile(), "");
  EXPECT_EQ(engine.GetThemeBuilding(), "No theme");

  // An entry without a theme changes nothing.
  FList->Themes()->Add();
  engine.SetThemeIndex(2);
  EXPECT_EQ(ThemeNameOf(engine), "Skin C");
  // No entry and no file: no theme; removing the list clears the theme.
  engine.SetThemeIndex(-1);
  EXPECT_EQ(CurrentTheme(), nullptr);
  engine.SetThemeIndex(0);
  ASSERT_EQ(ThemeNameOf(engine), "Skin B");
  delete FList;
  FList = nullptr;
  EXPECT_EQ(engine.GetThemeList(), nullptr);
  EXPECT_EQ(engine.GetThemeIndex(), -1);
  EXPECT_EQ(CurrentTheme(), nullptr);
}

// A stored engine or link reads back its choice: the list by name, the index after reading.
template <class THost>
void ExpectStoredChoicesReadBack(TComponent& owner, TTeThemeList& list, const std::string& file) {
  struct TChoice {
    std::function<void(THost&)> Make;
    std::string Theme;
  };
  const TChoice choices[] = {
      {[&](THost& host) { host.SetThemeFile(file); }, "Skin A"},
      {[&](THost& host) {
         host.SetThemeList(&list);
         host.SetThemeIndex(1);
       },
       "Skin C"},
      {[](THost& host) { host.SetThemeBuilding("Flat"); }, "Flat"},
  };
  for (const TChoice& choice : choices) {
    TMemoryStream stored;
    {
      THost host(&owner);
      choice.Make(host);
      WriteComponent(stored, host);
    }
    for (const std::vector<uint8_t>& form :
         {stored.Bytes(), ObjectTextToBinary(ObjectBinaryToText(stored.Bytes()))}) {
      ClearCurrentTheme();
      THost restored(&owner);
      TMemoryStream input(form);
      ReadComponent(input, restored);
      EXPECT_EQ(ThemeNameOf(restored), choice.Theme) << restored.ClassName();
    }
  }
}

// Theme streams store their bytes or a skin directly; lists, engines and links read back.
TEST_F(Engine, StoredStreamsChoicesAndTheLinkKeepingItsOwnTheme) {
  TTeThemeStream item;
  TMemoryStream empty;
  item.WriteData(empty);
  EXPECT_EQ(empty.Bytes(), std::vector<uint8_t>{0});

  const std::vector<uint8_t> theme = {'a', 'b', 'c'};
  Store(item, theme, "Name");
  TMemoryStream stored;
  item.WriteData(stored);
  const std::vector<uint8_t> expected = {2, 4, 0, 0, 0, 'N', 'a', 'm', 'e', 3,
                                         0, 0, 0, 0, 0, 0,   0,   'a', 'b', 'c'};
  EXPECT_EQ(stored.Bytes(), expected);
  EXPECT_EQ(item.GetName(), "Name");

  TTeThemeStream copy;
  TMemoryStream zero(std::vector<uint8_t>{0});
  copy.ReadData(zero);
  EXPECT_TRUE(copy.IsEmpty());

  // The byte-1 form: a skin stored directly.
  RegisterSkinTheme();
  const std::vector<uint8_t> skin = SavedSkin("Direct");
  TMemoryStream data;
  WriteUInt8(data, 1);
  data.WriteBuffer(skin.data(), int64_t(skin.size()));
  data.SetPosition(0);
  copy.ReadData(data);
  std::unique_ptr<TteTheme> direct = copy.CreateTheme();
  ASSERT_TRUE(dynamic_cast<TTeSkinFile*>(direct.get()));
  EXPECT_EQ(direct->GetName(), "Direct");
  // Damaged forms fail.
  TTeThemeStream damaged;
  TMemoryStream unknown(std::vector<uint8_t>{7});
  EXPECT_THROW(damaged.ReadData(unknown), EReadError);
  // A size beyond the data, and a negative one.
  for (uint8_t top : {0x00, 0x80}) {
    std::vector<uint8_t> bytes = {2, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, top, 'x'};
    TMemoryStream stream(bytes);
    EXPECT_THROW(damaged.ReadData(stream), EReadError) << int(top);
  }
  TMemoryStream truncated(std::vector<uint8_t>{2, 10, 0, 0, 0, 'a'});
  EXPECT_THROW(damaged.ReadData(truncated), EReadError);
  TMemoryStream noTheme(std::vector<uint8_t>{1, 'n', 'o', 'p', 'e'});
  EXPECT_THROW(damaged.ReadData(noTheme), EReadError);
  EXPECT_TRUE(damaged.IsEmpty());
  // A theme list round-trips through the property stream.
  TTeThemeList list(nullptr);
  list.SetName("Themes1");
  Store(list.Themes()->Add(), SavedSkin("First"), "First");
  list.Themes()->Add();
  Store(list.Themes()->Add(), {1, 2, 3}, "Third");
  list.Themes()->Items(2)->SetTag(-7);

  TMemoryStream binary;
  WriteComponent(binary, list);
  const std::string text = ObjectBinaryToText(binary.Bytes());
  EXPECT_NE(text.find("ThemeStream = {"), std::string::npos) << text.substr(0, 300);

  for (const std::vector<uint8_t>& form : {binary.Bytes(), ObjectTextToBinary(text)}) {
    TTeThemeList listCopy(nullptr);
    TMemoryStream input(form);
    EXPECT_EQ(ReadComponent(input, listCopy), "TTeThemeList");
    EXPECT_EQ(listCopy.GetName(), "Themes1");
    ASSERT_EQ(listCopy.Themes()->Count(), 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(listCopy.Themes()->Items(i)->GetName(), list.Themes()->Items(i)->GetName());
      EXPECT_EQ(listCopy.Themes()->Items(i)->Stream().Bytes(),
                list.Themes()->Items(i)->Stream().Bytes());
      EXPECT_EQ(listCopy.Themes()->Items(i)->GetTag(), list.Themes()->Items(i)->GetTag());
    }
    std::unique_ptr<TteTheme> first = listCopy.Themes()->Items(0)->CreateTheme();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->GetName(), "First");
  }
  // A stored engine or link reads back its choice.
  FList->SetName("ThemeList1");
  ExpectStoredChoicesReadBack<TTeRidadIveror>(FOwner, *FList, FFileA);
  ExpectStoredChoicesReadBack<TTeThemeLink>(FOwner, *FList, FFileA);

  // A list the owner lacks keeps its name (a classic form names it with an identifier).
  TTeThemeLink link(nullptr);
  TMemoryStream input(
      ObjectTextToBinary("object Link: TTeThemeLink\r\n  ThemeList = Elsewhere\r\n"
                         "  ThemeIndex = 0\r\nend\r\n"));
  ReadComponent(input, link);
  EXPECT_EQ(link.GetThemeList(), nullptr);
  EXPECT_EQ(link.GetThemeListName(), "Elsewhere");
  TMemoryStream again;
  WriteComponent(again, link);
  EXPECT_NE(ObjectBinaryToText(again.Bytes()).find("ThemeList = 'Elsewhere'"), std::string::npos);
  // A link keeps its own theme and tells its controls; its choices reset each other as the
  // engine's do.
  ASSERT_EQ(CurrentTheme(), nullptr);
  TRecorder recorder;
  AddThemeNotification(&recorder);
  TTeThemeLink own(nullptr);
  const auto linkValue = reinterpret_cast<intptr_t>(static_cast<TteCustomThemeLink*>(&own));
  auto notifications = [&] {
    return std::count_if(recorder.Messages.begin(), recorder.Messages.end(), [&](auto& m) {
      return m.Msg == kThemeNotifyMessage && m.WParam == linkValue && m.LParam == linkValue;
    });
  };

  own.SetThemeBuilding("Flat");
  EXPECT_TRUE(dynamic_cast<TTeFlatTheme*>(own.GetTheme()));
  EXPECT_EQ(CurrentTheme(), nullptr) << "the current theme is not the link's business";
  own.SetDeltaHue(25);
  EXPECT_EQ(notifications(), 2);
  own.SetThemeFile(FFileA);
  ASSERT_TRUE(own.GetTheme());
  EXPECT_EQ(own.GetTheme()->GetDeltaHue(), 25);
  own.SetThemeList(FList);
  own.SetThemeIndex(9);
  EXPECT_EQ(own.GetTheme()->GetName(), "Skin C");
  EXPECT_EQ(notifications(), 4);

  delete FList;
  FList = nullptr;
  EXPECT_EQ(own.GetThemeList(), nullptr);
  ASSERT_TRUE(own.GetTheme()) << "removing the list keeps the link's theme";

  own.SetThemeIndex(-1);
  EXPECT_EQ(own.GetTheme(), nullptr);
  EXPECT_EQ(notifications(), 5);
  RemoveThemeNotification(&recorder);
}

}  // namespace
}  // namespace vt
