// The property stream and text: exact bytes and lines, round trips, other writers, damage.
#include <gtest/gtest.h>

#include <QByteArray>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "SampleComponent.h"

using namespace vt;

namespace {

using namespace vt::test;

std::vector<uint8_t> ToBinary(const TPersistent& object) {
  TMemoryStream stream;
  WriteComponent(stream, object);
  return stream.Bytes();
}

void FromBinary(const std::vector<uint8_t>& bytes, TPersistent& object) {
  TReadOnlyMemoryStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  ReadComponent(stream, object);
}

void AppendShort(std::vector<uint8_t>& bytes, const std::string& text) {
  bytes.push_back(static_cast<uint8_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

// The signature, the class and the object name that open every stored object.
std::vector<uint8_t> Header(const std::string& objectName) {
  std::vector<uint8_t> bytes{'T', 'P', 'F', '0'};
  AppendShort(bytes, "TSample");
  AppendShort(bytes, objectName);
  return bytes;
}

// One stored property: its name, the value bytes, then an identifier or a short string.
void Prop(std::vector<uint8_t>& bytes, const std::string& name, std::vector<uint8_t> value,
          const std::string& text = "") {
  AppendShort(bytes, name);
  bytes.insert(bytes.end(), value.begin(), value.end());
  if (!text.empty()) AppendShort(bytes, text);
}

// Where the value of the property `name` starts in a stored object.
std::vector<uint8_t>::const_iterator ValueOf(const std::vector<uint8_t>& bytes,
                                             const std::string& name) {
  std::vector<uint8_t> key;
  AppendShort(key, name);
  return std::search(bytes.begin(), bytes.end(), key.begin(), key.end()) + key.size();
}

TSample& Filled(TSample& s) {
  s.SetName("Sample1");
  s.SetTag(7);
  s.Count = 300;
  s.Shape = TPsShape::psRound;
  s.Caption = "It's\r\nok";
  s.Flags = {TPsFlag::pfA, TPsFlag::pfC};
  s.Color = clWhite;
  s.Font.SetStyle({TFontStyle::fsBold});
  s.Data = {1, 2, 0xFF};
  return s;
}

// ---- The binary form ------------------------------------------------------------------

TEST(PropStream, WritesTheDocumentedBytesAndReadsThemInAnyOrder) {
  TSample sample(nullptr);
  sample.SetName("S");
  sample.Count = -2;
  sample.Color = 0x123456;  // no identifier
  sample.Caption = "";      // empty strings are not written
  std::vector<uint8_t> expected = Header("S");
  Prop(expected, "Count", {2, 0xFE});
  Prop(expected, "Shape", {7}, "psBox");
  Prop(expected, "Visible", {9});
  Prop(expected, "Color", {4, 0x56, 0x34, 0x12, 0x00});
  Prop(expected, "Font.Charset", {7}, "DEFAULT_CHARSET");
  Prop(expected, "Font.Color", {7}, "clWindowText");
  Prop(expected, "Font.Height", {2, 0xF5});
  Prop(expected, "Font.Name", {6}, "Tahoma");
  expected.insert(expected.end(), {0, 0});
  EXPECT_EQ(ToBinary(sample), expected);
  // Values take the smallest form that holds them.
  const std::pair<int32_t, std::vector<uint8_t>> cases[] = {
      {127, {2, 0x7F}},
      {-128, {2, 0x80}},
      {128, {3, 0x80, 0x00}},
      {-32768, {3, 0x00, 0x80}},
      {32768, {4, 0x00, 0x80, 0x00, 0x00}},
      {INT32_MIN, {4, 0x00, 0x00, 0x00, 0x80}},
  };
  for (const auto& [value, valueBytes] : cases) {
    TSample sample(nullptr);
    sample.Count = value;
    const std::vector<uint8_t> bytes = ToBinary(sample);
    EXPECT_TRUE(std::equal(valueBytes.begin(), valueBytes.end(), ValueOf(bytes, "Count"))) << value;
    TSample back(nullptr);
    FromBinary(bytes, back);
    EXPECT_EQ(back.Count, value);
  }
  // Strings up to 255 bytes are short strings.
  for (size_t length : {size_t{255}, size_t{256}, size_t{70000}}) {
    TSample sample(nullptr);
    sample.Caption = std::string(length, 'x');
    const std::vector<uint8_t> bytes = ToBinary(sample);
    EXPECT_EQ(*ValueOf(bytes, "Caption"), length <= 255 ? 6 : 12);
    TSample back(nullptr);
    FromBinary(bytes, back);
    EXPECT_EQ(back.Caption, sample.Caption);
  }
  // Any order, names in any case; unknown properties and unfit values skipped with warnings.
  std::vector<uint8_t> bytes = Header("x");
  Prop(bytes, "font.name", {6}, "Arial");
  Prop(bytes, "Future", {1, 2, 1, 6, 1, 'a', 0});  // a later version's list of two values
  Prop(bytes, "Shape", {7}, "psHexagon");
  Prop(bytes, "Count", {6}, "12");
  Prop(bytes, "Font.Charset", {3, 0x00, 0x01});  // 256 does not fit a charset
  Prop(bytes, "Flags", {11}, "pfB");
  Prop(bytes, "pfZ", {0});
  Prop(bytes, "SHAPE", {7}, "PSROUND");
  bytes.insert(bytes.end(), {0, 0});
  TSample back(nullptr);
  back.Caption = "kept";
  TReadWarnings warnings;
  FromBinary(bytes, back);
  EXPECT_EQ(back.Font.GetName(), "Arial");
  EXPECT_EQ(back.Caption, "kept");
  EXPECT_EQ(back.Color, clNone);
  EXPECT_EQ(back.Shape, TPsShape::psRound);
  EXPECT_EQ(back.Count, 0);
  EXPECT_EQ(back.Font.GetCharset(), DEFAULT_CHARSET);
  EXPECT_EQ(back.Flags, TPsFlags{TPsFlag::pfB});
  ASSERT_EQ(warnings.Items().size(), 5u);
  EXPECT_NE(warnings.Items()[0].find("Future"), std::string::npos);
  EXPECT_NE(warnings.Items()[0].find("TSample \"x\""), std::string::npos);
  EXPECT_NE(warnings.Items()[1].find("psHexagon"), std::string::npos);
  EXPECT_NE(warnings.Items()[3].find("out of range"), std::string::npos);
  EXPECT_NE(warnings.Items()[4].find("pfZ"), std::string::npos);
}

TEST(PropStream, DamagedStreamsAndNamesTheFormatCannotHoldFail) {
  TSample sample(nullptr);
  const std::vector<uint8_t> good = ToBinary(Filled(sample));
  // Every truncation fails cleanly.
  for (size_t length = 0; length < good.size(); ++length) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(length));
    TSample back(nullptr);
    TReadWarnings warnings;
    EXPECT_THROW(FromBinary(cut, back), EReadError) << length;
  }
  std::vector<uint8_t> badType = good;
  badType[4 + 1 + 7 + 1 + 7 + 1 + 3] = 99;  // the value type of "Tag"
  TSample back(nullptr);
  try {
    FromBinary(badType, back);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Invalid property stream: unknown value type 99 at offset 25");
  }
  std::vector<uint8_t> badSignature = good;
  badSignature[3] = '1';
  EXPECT_THROW(FromBinary(badSignature, back), EReadError);
  // Huge and negative lengths fail before anything is allocated.
  std::vector<uint8_t> huge = Header("");
  Prop(huge, "Caption", {12, 0xFF, 0xFF, 0xFF, 0x7F});
  EXPECT_THROW(FromBinary(huge, back), EReadError);
  huge.back() = 0xFF;
  EXPECT_THROW(FromBinary(huge, back), EReadError);
  // Names over 255 bytes, or class names that would set the leading byte's flag bits.
  sample.SetName(std::string(256, 'n'));
  TMemoryStream stream;
  EXPECT_THROW(WriteComponent(stream, sample), EWriteError);
  EXPECT_THROW(ObjectTextToBinary("object A: T" + std::string(239, 'x') + "\r\nend"), EReadError);
  EXPECT_NO_THROW(ObjectTextToBinary("object A: T" + std::string(238, 'x') + "\r\nend"));
}

// ---- The text form --------------------------------------------------------------------

TEST(PropText, WritesTheDocumentedLinesAndBreaksLongOnes) {
  TSample sample(nullptr);
  const std::string text = ObjectBinaryToText(ToBinary(Filled(sample)));
  EXPECT_EQ(text,
            "object Sample1: TSample\r\n"
            "  Tag = 7\r\n"
            "  Count = 300\r\n"
            "  Shape = psRound\r\n"
            "  Visible = True\r\n"
            "  Caption = 'It''s'#13#10'ok'\r\n"
            "  Flags = [pfA, pfC]\r\n"
            "  Color = clWhite\r\n"
            "  Font.Charset = DEFAULT_CHARSET\r\n"
            "  Font.Color = clWindowText\r\n"
            "  Font.Height = -11\r\n"
            "  Font.Name = 'Tahoma'\r\n"
            "  Font.Style = [fsBold]\r\n"
            "  Data = {\r\n"
            "    0102FF}\r\n"
            "end\r\n");
  // An unnamed object is written as its class alone; long strings and data are broken.
  TSample unnamed(nullptr);
  EXPECT_EQ(ObjectBinaryToText(ToBinary(unnamed)).substr(0, 16), "object TSample\r\n");
  sample.Caption = std::string(64, 'a') + std::string(10, 'b');
  sample.Data.assign(40, 0xAB);
  const std::string broken = ObjectBinaryToText(ToBinary(sample));
  EXPECT_NE(
      broken.find("  Caption =\r\n    '" + std::string(64, 'a') + "' +\r\n    'bbbbbbbbbb'\r\n"),
      std::string::npos);
  std::string hexLine;
  for (int i = 0; i < 32; ++i) hexLine += "AB";
  EXPECT_NE(broken.find("  Data = {\r\n    " + hexLine + "\r\n    ABABABABABABABAB}\r\n"),
            std::string::npos);
  // Every kind of property, every byte value, long data and extremes round-trip exactly.
  std::string caption;
  for (int c = 0; c < 256; ++c) caption += static_cast<char>(c);
  sample.Caption = caption + "''" + caption;
  sample.Data.resize(1000);
  for (size_t i = 0; i < sample.Data.size(); ++i) sample.Data[i] = static_cast<uint8_t>(i * 7);
  sample.Count = INT32_MIN;
  sample.Font.SetPitch(TFontPitch::fpFixed);
  sample.Font.SetCharset(RUSSIAN_CHARSET);
  sample.Font.SetColor(0x123456);
  const std::vector<uint8_t> binary = ToBinary(sample);
  const std::string roundText = ObjectBinaryToText(binary);
  EXPECT_EQ(ObjectTextToBinary(roundText), binary);
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(roundText)), roundText);
  TSample back(nullptr);
  FromBinary(binary, back);
  EXPECT_EQ(back.Caption, sample.Caption);
  EXPECT_EQ(back.Data, sample.Data);
  EXPECT_EQ(back.Font.GetPitch(), TFontPitch::fpFixed);  // stored only when not the default
  EXPECT_EQ(ToBinary(back), binary);                     // each stored field exactly
}

TEST(PropText, ReadsTheFormsOfOtherWriters) {
  const std::string text =
      "\n\tOBJECT TSample\n"  // no name, keyword in capitals, tab indentation
      "\n"
      "      caption = 'first line'#13#10 +\n"
      "   'second '#39'quoted'#39 + #233't'#233' '#8364\n"
      "  COUNT = +42\n"
      "  shape = PSROUND\n"
      "  visible = false\n"
      "  Color = $FF000010\n"
      "  Flags = [ pfc ,pfA ]\n"
      "  Data = {01\n"
      "   0203 04\n"
      "       05}\n"
      "End";
  TSample back(nullptr);
  FromBinary(ObjectTextToBinary(text), back);
  EXPECT_EQ(back.GetName(), "");
  EXPECT_EQ(back.Caption, "first line\r\nsecond 'quoted'\xE9t\xE9 \x80");
  EXPECT_EQ(back.Count, 42);
  EXPECT_EQ(back.Shape, TPsShape::psRound);
  EXPECT_FALSE(back.Visible);
  EXPECT_EQ(back.Color, clBtnShadow);
  EXPECT_EQ(back.Flags, (TPsFlags{TPsFlag::pfA, TPsFlag::pfC}));
  EXPECT_EQ(back.Data, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
  const std::tuple<const char*, const char*, int> headers[] = {
      {"object : TSample\r\n  Count = -7\r\nend\r\n", "", -7},
      {"object Btn: TSample\rCount = $10\rend", "Btn", 16}};
  for (const auto& [header, name, count] : headers) {
    TSample read(nullptr);
    FromBinary(ObjectTextToBinary(header), read);
    EXPECT_EQ(read.GetName(), name);
    EXPECT_EQ(read.Count, count);
  }
  // Lists, collections and nested objects convert; the reader passes over them with warnings.
  const std::string nested =
      "inherited Outer: TSample [3]\r\n"
      "  Strings = (\r\n"
      "    'a'\r\n"
      "    5\r\n"
      "    nil)\r\n"
      "  Items = <\r\n"
      "    item [1]\r\n"
      "      Caption = 'x'\r\n"
      "    end\r\n"
      "    item\r\n"
      "    end>\r\n"
      "  object Inner: TSample\r\n"
      "    Count = 1\r\n"
      "  end\r\n"
      "end\r\n";
  const std::vector<uint8_t> binary = ObjectTextToBinary(nested);
  EXPECT_EQ(ObjectBinaryToText(binary), nested);
  TSample outer(nullptr);
  TReadWarnings warnings;
  FromBinary(binary, outer);
  EXPECT_EQ(outer.GetName(), "Outer");
  EXPECT_EQ(warnings.Items().size(), 3u);
}

TEST(PropText, ErrorsNameTheLineAndDeepNestingFails) {
  const std::string a = "object A: TSample\r\n";
  const std::pair<std::string, const char*> cases[] = {
      {a + "  Count 5\r\nend", "2: \"=\" expected, found a number"},
      {a + "  Caption = 'open\r\nend", "2: unterminated string"},
      {a + "\r\n  Data = {0G}\r\nend", "3: hexadecimal digit expected in binary data, found \"G\""},
      {a + "  Data = {012}\r\nend", "2: binary data with an odd number of hexadecimal digits"},
      {a + "  Count = 1.5\r\nend", "2: floating-point values are not supported"},
      {a + "  Count = 99999999999999999999\r\nend", "2: integer out of range"},
      {a + "  Count = 1\r\n", "3: a property name or \"end\" expected, found the end of the text"},
      {"thing", "1: \"object\" expected, found \"thing\""},
      {a + "  Caption = 'a' + 5\r\nend", "2: a string after \"+\" expected, found a number"},
      {a + "  Data = {01\r\n", "2: binary data without a closing \"}\""},
      {"object " + std::string(300, 'n') + ": TSample\r\nend\r\n",
       "1: an object name or a class name longer than 255 characters"},
  };
  for (const auto& [text, message] : cases) {
    try {
      ObjectTextToBinary(text);
      ADD_FAILURE() << text;
    } catch (const EReadError& e) {
      EXPECT_EQ(e.what(), "Invalid property text at line " + std::string(message));
    }
  }
  // Deep nesting fails instead of overflowing the stack, in text and in binary form.
  EXPECT_THROW(ObjectTextToBinary(a + "  L = " + std::string(5000, '(') + std::string(5000, ')') +
                                  "\r\nend\r\n"),
               EReadError);
  std::string objects;
  for (int i = 0; i < 5000; ++i) objects += "object T\r\n";
  EXPECT_THROW(ObjectTextToBinary(objects), EReadError);
  std::vector<uint8_t> binary = Header("");
  Prop(binary, "L", std::vector<uint8_t>(5000, 1));
  TSample back(nullptr);
  EXPECT_THROW(FromBinary(binary, back), EReadError);
  // Hex is decoded 16 digits at a time where it can be: every split gives the same bytes.
  QByteArray bytes(256, 0);
  for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i * 37 + 11);
  const std::string upper = bytes.toHex().toUpper().toStdString();
  const std::string lower = bytes.toHex().toStdString();
  const auto textOf = [](const std::string& body) {
    return "object A: TSample\r\n  Data = {" + body + "}\r\nend\r\n";
  };
  const std::vector<uint8_t> expected = ObjectTextToBinary(textOf(upper));
  ASSERT_NE(std::search(expected.begin(), expected.end(), bytes.begin(), bytes.end(),
                        [](uint8_t a, char b) { return a == uint8_t(b); }),
            expected.end());
  for (size_t step : {1, 3, 15, 16, 17, 33}) {
    std::string split;  // a line break after every `step` digits, pairs cut included
    for (size_t i = 0; i < lower.size(); i += step) split += lower.substr(i, step) + "\r\n    ";
    EXPECT_EQ(ObjectTextToBinary(textOf(split)), expected) << step;
  }
  for (size_t at = 0; at < 40; ++at) {
    std::string damaged = upper.substr(0, 40);
    damaged[at] = 'g';
    try {
      ObjectTextToBinary(textOf(damaged));
      ADD_FAILURE() << at;
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(),
                   "Invalid property text at line 2: hexadecimal digit expected in binary data, "
                   "found \"g\"");
    }
  }
  // Text that would not read back is refused.
  auto stream = [](const std::string& objectName, const std::string& propName, TValueType type,
                   const std::string& ident) {
    std::vector<uint8_t> bytes = Header(objectName);
    Prop(bytes, propName, {static_cast<uint8_t>(type)}, ident);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
  };
  for (const auto& [object, prop, ident] : {std::tuple{"two words", "P", ""},
                                            {"A", "9lives", ""},
                                            {"A", "End", ""},
                                            {"A", "P", "a b"}}) {
    const TValueType type = *ident ? TValueType::vaIdent : TValueType::vaTrue;
    EXPECT_THROW(ObjectBinaryToText(stream(object, prop, type, ident)), EWriteError) << prop;
  }
  // Names with bytes of 128 and above are identifiers of 8-bit text.
  const std::string text =
      ObjectBinaryToText(stream("Fl\xE4"
                                "che",
                                "P", TValueType::vaTrue, ""));
  EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
}

// Fuzzer findings (data/format/prop-text-*) convert cleanly or fail with EReadError.
TEST(PropText, FuzzFindingsStayFixed) {
  int checked = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(VTSKIN_TEST_DATA) + "/data/format")) {
    if (entry.path().filename().string().rfind("prop-text-", 0) != 0) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    SCOPED_TRACE(entry.path().filename().string());
    ++checked;
    std::vector<uint8_t> binary;
    try {
      binary = ObjectTextToBinary(text.str());
    } catch (const EReadError&) {
      continue;
    }
    EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(binary)), binary);
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
