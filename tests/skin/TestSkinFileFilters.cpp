// Skin filters and registries, envelopes, files and atomic saving; the skin source.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SkinFileTestUtil.h"

using namespace vt;
using namespace vt::skintest;

namespace {

std::unique_ptr<TSeSkinSource> SmallSkin() {
  auto source = std::make_unique<TSeSkinSource>();
  source->SetSkinName("Small");
  auto* bitmap = new TteBitmap;
  bitmap->SetName("img");
  bitmap->SetSize(2, 2);
  bitmap->FillColor(0xFF102030);
  source->Bitmaps().Add(bitmap);
  auto* form = new TSeBitmapObject(nullptr);
  form->SetName("Form");
  form->SetKind(TSeKind::skForm);
  auto* client = new TSeSkinObject(form);
  client->SetKind(TSeKind::skClient);
  source->AddObject(form);
  return source;
}

std::string Head(const std::vector<uint8_t>& bytes, size_t count) {
  return std::string(bytes.begin(), bytes.begin() + static_cast<long>(count));
}

class TTestFilter : public TSeSkinFilterUncompressed {
 public:
  static std::string GetFileExtension() { return "tskn"; }
  static std::string GetFileTypeName() { return "Test Skin"; }
};

TEST(SkinFilters, RegistryFilterStringExtensionsAndTagsOfStreams) {
  const auto& filters = SkinFilters();
  ASSERT_GE(filters.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(filters[i], Variants()[i]);
  EXPECT_EQ(GetSkinFilterString(),
            "Uncompressed Skin (*.uskn)|*.uskn|Compressed Skin (*.kskn)|*.kskn|Ultra Compressed "
            "Skin (*.xskn)|*.xskn|Maximum Compressed (*.mskn)|*.mskn");
  EXPECT_EQ(DefaultSkinFilter(), &SkinFilterClassOf<TSeSkinFilterCompressed>());
  // Extensions are found ignoring case and folders.
  EXPECT_EQ(FindSkinFilterByExtension("a.USKN"), Variants()[0]);
  EXPECT_EQ(FindSkinFilterByExtension("/x.y/theme.kskn"), Variants()[1]);
  EXPECT_EQ(FindSkinFilterByExtension("C:\\skins.v2\\t.Xskn"), Variants()[2]);
  EXPECT_EQ(FindSkinFilterByExtension("t.tar.mskn"), Variants()[3]);
  EXPECT_EQ(FindSkinFilterByExtension("mskn"), nullptr);
  EXPECT_EQ(FindSkinFilterByExtension("dir.mskn/file"), nullptr);
  EXPECT_EQ(FindSkinFilterByExtension("t.msk"), nullptr);
  // A registered filter joins both until it is removed.
  const TSeSkinFilterClass& cls = SkinFilterClassOf<TTestFilter>();
  RegisterSkinFilter(cls);
  EXPECT_EQ(FindSkinFilterByExtension("a.tskn"), &cls);
  EXPECT_NE(GetSkinFilterString().find("|Test Skin (*.tskn)|*.tskn"), std::string::npos);
  UnregisterSkinFilter(cls);
  EXPECT_EQ(FindSkinFilterByExtension("a.tskn"), nullptr);
  EXPECT_EQ(SkinFilters().size(), 4u);
  // Looking at a stream's tag leaves its position where it was.
  const std::vector<uint8_t> bytes = TBytes().Raw("xx_TCT").U8(0).Raw("rest").Data;
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(2);
  EXPECT_EQ(FindSkinFilterByStream(stream), Variants()[2]);
  EXPECT_EQ(stream.Position(), 2);
  stream.SetPosition(0);
  EXPECT_EQ(FindSkinFilterByStream(stream), nullptr);
  EXPECT_EQ(stream.Position(), 0);
  stream.SetPosition(static_cast<int64_t>(bytes.size()) - 2);  // fewer than five bytes left
  EXPECT_EQ(FindSkinFilterByStream(stream), nullptr);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(bytes.size()) - 2);
}

TEST(SkinFilters, EachVariantStartsWithItsTagAndEnvelopeAndTheDefaultOneSavesStreams) {
  const auto source = SmallSkin();
  const std::vector<uint8_t> uskn = SaveWith(*source, *Variants()[0]);
  EXPECT_EQ(Head(uskn, 14), std::string("_UCT\0\x05\0\0\0Small", 14));
  const std::pair<size_t, uint8_t> levels[] = {{1, 0x01}, {2, 0x9C}, {3, 0x9C}};
  const char* tags[] = {"", "_DCT", "_TCT", "_MCT"};
  for (auto [variant, levelByte] : levels) {
    const std::vector<uint8_t> bytes = SaveWith(*source, *Variants()[variant]);
    EXPECT_EQ(Head(bytes, 9), std::string(tags[variant]) + std::string(1, '\0') + "QXLZ");
    EXPECT_EQ(bytes[9], 0x78);
    EXPECT_EQ(bytes[10], levelByte);
  }
  // SaveToStream always uses the default filter.
  const TSeSkinFilterClass* saved = DefaultSkinFilter();
  for (const TSeSkinFilterClass* cls : Variants()) {
    DefaultSkinFilter() = cls;
    TMemoryStream stream;
    source->SaveToStream(stream);
    EXPECT_EQ(Head(stream.Bytes(), 5), std::string(cls->Create()->SkinTag().data(), 5));
  }
  DefaultSkinFilter() = saved;
}

// Loading also clears the mask of client areas, which must show the control beneath.
TEST(SkinFilters, AStreamWithoutTagOrAtAnOffsetIsReadAndClientsAreUnmasked) {
  const auto source = SmallSkin();
  source->Objects(0)->Children(0)->SetMasked(true);
  for (const TSeSkinFilterClass* cls : Variants()) {
    const TSeSkinFilterClass* saved = DefaultSkinFilter();
    DefaultSkinFilter() = cls;
    std::vector<uint8_t> bytes = SaveWith(*source, *cls);
    bytes.erase(bytes.begin(), bytes.begin() + 5);  // no tag
    TSeSkinSource loaded;
    LoadBytes(loaded, bytes);
    DefaultSkinFilter() = saved;
    EXPECT_EQ(loaded.GetSkinName(), "Small") << cls->GetFileTypeName();
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_TRUE(loaded.Objects(0)->GetMasked());
    EXPECT_FALSE(loaded.Objects(0)->Children(0)->GetMasked());
    // A saved skin loads from any offset of a stream.
    for (size_t offset : {size_t{1}, size_t{9}, size_t{8200}}) {
      TMemoryStream stream;
      stream.WriteBuffer(std::vector<uint8_t>(offset, 'Z').data(), static_cast<int64_t>(offset));
      auto filter = cls->Create();
      filter->SetSkinSource(source.get());
      filter->SaveToStream(stream);
      stream.SetPosition(static_cast<int64_t>(offset));
      TSeSkinSource loaded;
      loaded.LoadFromStream(stream);
      EXPECT_EQ(loaded.GetSkinName(), "Small");
      ASSERT_EQ(loaded.Bitmaps().Count(), 1);
      EXPECT_EQ(loaded.Bitmaps().Bitmaps(0)->Pixels(1, 1), 0xFF102030u);
    }
  }
}

// ---- Files ---------------------------------------------------------------------------------

std::vector<uint8_t> FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return std::vector<uint8_t>(data.begin(), data.end());
}

TEST(SkinFiles, SaveChoosesTheFilterByExtensionSafelyAndLoadSkipsUnknownOnes) {
  QTemporaryDir dir;
  const auto source = SmallSkin();
  const std::pair<const char*, const char*> cases[] = {{"a.uskn", "_UCT"}, {"a.KSKN", "_DCT"},
                                                       {"a.xskn", "_TCT"}, {"a.mskn", "_MCT"},
                                                       {"a.skin", "_DCT"}, {"noextension", "_DCT"}};
  for (auto [name, tag] : cases) {
    const QString path = dir.filePath(name);
    source->SaveToFile(path.toStdString());
    EXPECT_EQ(Head(FileBytes(path), 4), tag) << name;
  }
  TSeSkinSource loaded;
  loaded.LoadFromFile(dir.filePath("a.xskn").toStdString());
  EXPECT_EQ(loaded.GetSkinName(), "Small");
  // Loading does nothing for missing files and unknown extensions ("a.skin" is a valid skin).
  TSeSkinSource target;
  target.SetSkinName("kept");
  target.AddObject(new TSeSkinObject(nullptr));
  for (const QString& name : {QString(), dir.filePath("missing.mskn"), dir.filePath("a.skin")})
    target.LoadFromFile(name.toStdString());
  EXPECT_EQ(target.GetSkinName(), "kept");
  EXPECT_EQ(target.Count(), 1);

  SCOPED_TRACE("a failed save leaves the previous file untouched");
  const QString path = dir.filePath("a.mskn");
  const std::vector<uint8_t> before = FileBytes(path);
  // A name the binary record cannot hold makes the writer fail half way through.
  source->Objects(0)->SetName(std::string(300, 'n'));
  EXPECT_THROW(source->SaveToFile(path.toStdString()), EWriteError);
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
  const std::string missing = dir.filePath("no/such/folder/x.mskn").toStdString();
  EXPECT_NE(
      MessageOf<EFCreateError>([&] { source->SaveToFile(missing); }).find("Cannot create file"),
      std::string::npos);
}

TEST(SkinFiles, RelativeNamesAreRetriedInTheProgramFolder) {
  const QString name =
      "vt-format-test-" + QString::number(QCoreApplication::applicationPid()) + ".mskn";
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  SmallSkin()->SaveToFile(path.toStdString());
  const QString oldDir = QDir::currentPath();
  QTemporaryDir elsewhere;
  QDir::setCurrent(elsewhere.path());
  TSeSkinSource loaded;
  loaded.LoadFromFile(name.toStdString());
  QDir::setCurrent(oldDir);
  QFile::remove(path);
  EXPECT_EQ(loaded.GetSkinName(), "Small");
}

// TSeSkinSource: defaults, the object list, copying, image replacement, shifts, clients.

TteBitmap* NamedBitmap(const std::string& name, uint32_t pixel) {
  auto* bitmap = new TteBitmap;
  bitmap->SetName(name);
  bitmap->SetSize(4, 4);
  bitmap->FillColor(pixel);
  return bitmap;
}

// The stored form writes the published strings in this order.
TEST(SkinSource, PublishesItsStringsInOrderFindsTopLevelObjectsAndClears) {
  TSeSkinSource source;
  std::vector<std::string> names;
  for (const TPropInfo* prop : source.ClassInfo().AllProperties()) names.push_back(prop->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "SkinName", "SkinVersion", "Author",
                                             "AuthorEMail", "AuthorURL"}));
  auto* button = new TSeSkinObject(nullptr);
  button->SetName("Button");
  auto* form = new TSeSkinObject(nullptr);
  form->SetKind(TSeKind::skForm);
  auto* nested = new TSeSkinObject(button);
  nested->SetName("Form");
  source.AddObject(button);
  source.AddObject(form);
  EXPECT_EQ(source.GetObjectByName("BUTTON"), button);
  EXPECT_EQ(source.GetObjectByName("Form"), nullptr);  // top level only
  EXPECT_EQ(source.GetFormObject(), form);
  EXPECT_EQ(source.GetObjectByKind(TSeKind::skForm), form);
  EXPECT_EQ(source.Objects(-1), nullptr);
  EXPECT_EQ(source.Objects(2), nullptr);
  EXPECT_EQ(nested->BitmapList(), &source.Bitmaps());
  std::unique_ptr<TSeSkinObject> extracted(source.ExtractObject(button));
  EXPECT_EQ(source.Count(), 1);
  source.DeleteObject(extracted.get());  // not in the list: nothing happens
  source.DeleteObject(form);
  EXPECT_EQ(source.Count(), 0);
  // Clear empties objects, images and clients.
  int client = 0;
  source.AddClient(&client);
  source.AddObject(new TSeSkinObject(nullptr));
  source.Bitmaps().Add(NamedBitmap("a", 0xFF000000));
  source.Clear();
  EXPECT_EQ(source.Count(), 0);
  EXPECT_EQ(source.Bitmaps().Count(), 0);
  EXPECT_TRUE(source.Clients().empty());
  source.AddClient(&client);
  source.RemoveClient(&client);
  EXPECT_TRUE(source.Clients().empty());
}

TEST(SkinSource, AssignCopiesEverythingAndBindsTheCopies) {
  TSkinGenerator generator(21);
  const auto original = generator.Skin();
  TSeSkinSource copy;
  copy.Assign(*original);
  ExpectSameSkin(*original, copy, false);
  for (int i = 0; i < copy.Count(); ++i) {
    EXPECT_NE(copy.Objects(i), original->Objects(i));
    EXPECT_EQ(copy.Objects(i)->BitmapList(), &copy.Bitmaps());
  }
  for (int i = 0; i < copy.Bitmaps().Count(); ++i)
    EXPECT_NE(copy.Bitmaps().Bitmaps(i), original->Bitmaps().Bitmaps(i));
}

TEST(SkinSource, ReplaceBitmapTakesTheNameAndPlaceAndRelinksShiftsReachImagesAndObjects) {
  TSeSkinSource source;
  source.Bitmaps().Add(NamedBitmap("first", 0xFF111111));
  TteBitmap* old = NamedBitmap("second", 0xFF222222);
  source.Bitmaps().Add(old);
  auto* object = new TSeBitmapObject(nullptr);
  object->Bitmap()->SetName("second");
  object->Bitmap()->SetRect(TRect{0, 0, 2, 2});
  auto replacement = std::make_unique<TteBitmap>();
  replacement->SetSize(4, 4);
  // A skin without objects replaces nothing.
  EXPECT_FALSE(source.ReplaceBitmap(old, replacement.get()));
  EXPECT_EQ(source.Bitmaps().Bitmaps(1), old);
  source.AddObject(object);
  EXPECT_EQ(object->Bitmap()->Bitmap(), old);
  EXPECT_FALSE(source.ReplaceBitmap(nullptr, replacement.get()));
  TteBitmap* fresh = replacement.release();
  ASSERT_TRUE(source.ReplaceBitmap(old, fresh));
  EXPECT_EQ(source.Bitmaps().Bitmaps(1), fresh);
  EXPECT_EQ(fresh->Name(), "second");
  EXPECT_EQ(object->Bitmap()->Bitmap(), fresh);
  // An image that is not in the list is not replaced.
  std::unique_ptr<TteBitmap> stranger(NamedBitmap("x", 0)), other(NamedBitmap("y", 0));
  EXPECT_FALSE(source.ReplaceBitmap(stranger.get(), other.get()));
  // Hue and brightness shift the images and the objects alike.
  TSeSkinSource shifted;
  shifted.Bitmaps().Add(NamedBitmap("a", 0xFF804020));
  auto* coloured = new TSeSkinObject(nullptr);
  coloured->SetColor(RGB(0x80, 0x40, 0x20));
  shifted.AddObject(coloured);
  shifted.ChangeBrightness(16);
  EXPECT_EQ(shifted.Bitmaps().Bitmaps(0)->Pixels(0, 0), 0xFF905030u);
  EXPECT_EQ(coloured->GetColor(), RGB(0x90, 0x50, 0x30));
  shifted.ChangeHue(40);
  EXPECT_EQ(coloured->GetColor(), PixelToColor(shifted.Bitmaps().Bitmaps(0)->Pixels(0, 0)));
  EXPECT_NE(coloured->GetColor(), RGB(0x90, 0x50, 0x30));
}

}  // namespace
