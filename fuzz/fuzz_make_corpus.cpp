// Writes the seed corpora of the fuzz targets into the folder given as the argument
// (fuzz/corpus in the source tree): small skins of every variant with and without their
// tag, raw bodies of both layouts and of the older words, object records and property
// streams of every skin object class, and property text in the forms other writers use.
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "rtl/PropStream.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinrecords.h"
#include "skin/se_skinsource.h"

namespace {

namespace fs = std::filesystem;
using namespace vt;

fs::path gRoot;

void Save(const std::string& target, const std::string& name, uint8_t selector,
          const std::vector<uint8_t>& bytes, bool withSelector = true) {
  fs::create_directories(gRoot / target);
  std::ofstream out(gRoot / target / name, std::ios::binary);
  if (withSelector) out.put(static_cast<char>(selector));
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A form with a title, buttons and a client area, two tiny images and changed tables.
std::unique_ptr<TSeSkinSource> SampleSkin(int variant) {
  auto source = std::make_unique<TSeSkinSource>();
  source->SetSkinName("Seed " + std::to_string(variant));
  for (int i = 0; i < 2; ++i) {
    auto* bitmap = new TteBitmap;
    bitmap->SetName("img" + std::to_string(i));
    bitmap->SetSize(3, 2);
    bitmap->FillColor(i ? kKeyPixel : 0x80FF0000);
    bitmap->CheckAlpha();
    source->Bitmaps().Add(bitmap);
  }
  auto* form = new TSeBitmapObject(nullptr);
  form->SetName("Form");
  form->SetKind(TSeKind::skForm);
  form->Bitmap()->SetName("img0");
  form->Bitmap()->SetRect(TRect{0, 0, 3, 2});
  auto* title = new TSeTextObject(form);
  title->SetName("Title");
  title->SetKind(TSeKind::skTitle);
  title->FontHot()->SetStyle({TFontStyle::fsBold});
  auto* close = new TSeSystemButton(form);
  close->SetAction(TSeAction::sbaClose);
  new TSeSkinObject(form);
  source->AddObject(form);
  auto* button = new TSeButtonObject(nullptr);
  button->SetName("button");
  button->SetColor(clBtnFace);
  source->AddObject(button);
  source->Colors().SetColor(0, clRed);
  source->Fonts().Font(3).SetStyle({TFontStyle::fsItalic});
  return source;
}

std::vector<uint8_t> Saved(TSeSkinSource& source, const TSeSkinFilterClass& cls) {
  TMemoryStream stream;
  auto filter = cls.Create();
  filter->SetSkinSource(&source);
  filter->SaveToStream(stream);
  return stream.Bytes();
}

std::vector<uint8_t> Body(TSeSkinSource& source, TSeSkinFilter& filter) {
  TMemoryStream stream;
  filter.SetSkinSource(&source);
  filter.WriteSkin(stream);
  return stream.Bytes();
}

void Le32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Str(std::vector<uint8_t>& b, const std::string& s) {
  Le32(b, static_cast<uint32_t>(s.size()));
  b.insert(b.end(), s.begin(), s.end());
}

// A binary-layout body of the oldest kind: one embedded Windows bitmap, a plain object
// count with one record, no tables.
std::vector<uint8_t> OldestBody() {
  QImage image(3, 2, QImage::Format_Indexed8);
  image.setColorTable({qRgb(0, 0, 0), qRgb(127, 0, 127), qRgb(10, 20, 30)});
  image.fill(1);
  image.setPixel(0, 0, 2);
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  std::vector<uint8_t> b;
  for (const char* s : {"Old", "1", "A", "a@b", "u"}) Str(b, s);
  Le32(b, 1);
  Str(b, "old.bmp");
  Le32(b, static_cast<uint32_t>(bmp.size()));
  b.insert(b.end(), bmp.begin(), bmp.end());
  Le32(b, 1);
  TSeSkinObject object(nullptr);
  object.SetName("form");
  TMemoryStream record;
  WriteSkinObjectBinary(record, object);
  b.insert(b.end(), record.Bytes().begin(), record.Bytes().end());
  return b;
}

const char* const kTexts[] = {
    "object Form: TSeSkinObject\r\n"
    "  Caption = 'It''s'#13#10'ok' +\r\n"
    "    #233'x'\r\n"
    "  Count = -12\r\n"
    "  Color = $FF000010\r\n"
    "  Flags = [fsBold, fsItalic]\r\n"
    "  Data = {\r\n"
    "    0102FFAA}\r\n"
    "  List = (\r\n"
    "    1\r\n"
    "    'two'\r\n"
    "    nil)\r\n"
    "  Items = <\r\n"
    "    item [1]\r\n"
    "      Value = True\r\n"
    "    end>\r\n"
    "  object Child: TSeTextObject [2]\r\n"
    "  end\r\n"
    "end\r\n",
    "inline TSeSkinObject\n  Width = 100000\nend",
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_make_corpus <corpus folder>\n");
    return 2;
  }
  gRoot = argv[1];
  InstallSkinObjectStreaming();
  const auto& variants = SkinFilters();
  for (int v = 0; v < 4; ++v) {
    auto skin = SampleSkin(v);
    const std::vector<uint8_t> bytes = Saved(*skin, *variants[v]);
    Save("fuzz_skin_stream", "variant" + std::to_string(v), 0, bytes);
    Save("fuzz_skin_stream", "tagless" + std::to_string(v), static_cast<uint8_t>(v),
         std::vector<uint8_t>(bytes.begin() + 5, bytes.end()));
  }
  auto skin = SampleSkin(9);
  TSeSkinFilterUncompressed text;
  TSeSkinFilterMaxCompression binary;
  Save("fuzz_skin_body", "text-layout", 0, Body(*skin, text));
  Save("fuzz_skin_body", "binary-layout", 1, Body(*skin, binary));
  Save("fuzz_skin_body", "oldest-binary-layout", 1, OldestBody());
  for (const TClassInfo* cls : SkinObjectClasses()) {
    std::unique_ptr<TComponent> created(cls->Create(nullptr));
    auto& object = dynamic_cast<TSeSkinObject&>(*created);
    object.SetName("Obj");
    new TSeTextObject(&object);
    TMemoryStream stream;
    WriteComponent(stream, object);
    const auto index = static_cast<uint8_t>(&cls - SkinObjectClasses().data());
    Save("fuzz_prop_stream", cls->Name, index, stream.Bytes());
    Save(
        "fuzz_prop_text", cls->Name, 0,
        [&] {
          const std::string t = ObjectBinaryToText(stream.Bytes());
          return std::vector<uint8_t>(t.begin(), t.end());
        }(),
        false);
    TMemoryStream textRecord, binaryRecord;
    WriteSkinObjectText(textRecord, object);
    WriteSkinObjectBinary(binaryRecord, object);
    Save("fuzz_object_record", cls->Name + "-text", 0, textRecord.Bytes());
    Save("fuzz_object_record", cls->Name + "-binary", 1, binaryRecord.Bytes());
  }
  for (size_t i = 0; i < std::size(kTexts); ++i)
    Save("fuzz_prop_text", "forms" + std::to_string(i), 0,
         std::vector<uint8_t>(kTexts[i], kTexts[i] + std::strlen(kTexts[i])), false);
  return 0;
}
