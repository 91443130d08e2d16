// Property text: the conversions between a property stream and its text form.
//
// Sections: binary to text (the writer's layout choices); the text tokenizer; text to
// binary (the grammar and the forms of other writers it accepts).
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>

#include "PropStream.h"
#include "PropStreamIO.h"

namespace vt {

using propstream::TBinaryInput;
using propstream::TBinaryOutput;

namespace {

// ---- Binary to text -------------------------------------------------------------------
//
// Layout: two spaces of indentation per level, CR LF line ends. A string of more than
// kStringBytesPerLine bytes starts on the next line and continues in pieces of that many
// source bytes, one per line, joined by " +"; binary data is written kBinaryBytesPerLine
// bytes (twice as many hexadecimal digits) to a line. Characters below 32 are written as
// "#" and their decimal code outside the quotes; all other bytes, those of 128 and above
// included, stand for themselves inside the quotes.

constexpr size_t kStringBytesPerLine = 64;

// Letters, digits, "_" and "." (dotted property names); bytes of 128 and above count as
// letters, as in identifiers of 8-bit text.
bool IsSymbolStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool IsSymbolChar(char c) {
  return IsSymbolStart(c) || (c >= '0' && c <= '9') || c == '.';
}
bool IsSymbol(const std::string& text) {
  return !text.empty() && IsSymbolStart(text[0]) &&
         std::all_of(text.begin(), text.end(), IsSymbolChar);
}

// Text that the reader would not take back as one identifier cannot be written: failing
// here keeps a writer from producing a file that does not load.
const std::string& RequireSymbol(const std::string& text, const char* what) {
  if (!IsSymbol(text))
    throw EWriteError(std::string("Cannot write ") + what + " \"" + text.substr(0, 40) +
                      "\" as property text: it is not an identifier");
  return text;
}
constexpr size_t kBinaryBytesPerLine = 32;

class TTextOutput {
 public:
  explicit TTextOutput(TBinaryInput& in) : FIn(in) {}

  void ConvertObject(uint8_t firstByte, int level) {
    TNestingGuard guard("Objects");
    const auto header = FIn.ReadHeaderAfter(firstByte);
    Indent(level);
    Write(header.Flags & ffInherited ? "inherited "
          : header.Flags & ffInline  ? "inline "
                                     : "object ");
    // An unnamed object is written as its class alone: "object : TClass" is not read by
    // every reader of this format.
    const std::string& className = RequireSymbol(header.ClassName, "the class name");
    Write(header.ObjectName.empty()
              ? className
              : RequireSymbol(header.ObjectName, "the object name") + ": " + className);
    if (header.Flags & ffChildPos) Write(" [" + std::to_string(header.ChildPos) + "]");
    NewLine();
    for (std::string name = FIn.ReadShortString("a property name"); !name.empty();
         name = FIn.ReadShortString("a property name"))
      ConvertProperty(name, level + 1);
    for (uint8_t first = FIn.ReadByte("the end of an object"); first != 0;
         first = FIn.ReadByte("the end of an object"))
      ConvertObject(first, level + 1);
    Indent(level);
    Write("end");
    NewLine();
  }

  std::string Take() { return std::move(FText); }

 private:
  void ConvertProperty(const std::string& name, int level) {
    // The reader takes these words as the start or end of an object, not as a name.
    for (const char* keyword : {"object", "inherited", "inline", "end"})
      if (SameText(name, keyword))
        throw EWriteError("Cannot write the property name \"" + name +
                          "\" as property text: it is a keyword");
    Indent(level);
    Write(RequireSymbol(name, "the property name") + " = ");
    ConvertValue(FIn.ReadValueType(), level);
    NewLine();
  }

  void ConvertValue(TValueType type, int level) {
    switch (type) {
      case TValueType::vaInt8:
      case TValueType::vaInt16:
      case TValueType::vaInt32:
      case TValueType::vaInt64:
        return Write(std::to_string(FIn.ReadIntBody(type)));
      case TValueType::vaString:
      case TValueType::vaLString:
      case TValueType::vaWString:
      case TValueType::vaUTF8String:
        return WriteString(FIn.ReadStringBody(type), level);
      case TValueType::vaIdent:
        return Write(RequireSymbol(FIn.ReadShortString("an identifier"), "the identifier"));
      case TValueType::vaFalse:
        return Write("False");
      case TValueType::vaTrue:
        return Write("True");
      case TValueType::vaNil:
        return Write("nil");
      case TValueType::vaSet:
        return WriteSet(FIn.ReadSetBody());
      case TValueType::vaBinary:
        return WriteBinary(FIn.ReadBinaryBody(), level);
      case TValueType::vaList:
        return ConvertList(level);
      case TValueType::vaCollection:
        return ConvertCollection(level);
      case TValueType::vaNull:
      case TValueType::vaExtended:
      case TValueType::vaSingle:
      case TValueType::vaCurrency:
      case TValueType::vaDate:
        break;
    }
    FIn.Fail("value type " + std::to_string(static_cast<int>(type)) +
             " has no text form here (floating-point and date values are not supported)");
  }

  void ConvertList(int level) {
    TNestingGuard guard("Lists");
    Write("(");
    for (TValueType item = FIn.ReadValueType(); item != TValueType::vaNull;
         item = FIn.ReadValueType()) {
      NewLine();
      Indent(level + 1);
      ConvertValue(item, level + 1);
    }
    Write(")");
  }

  void ConvertCollection(int level) {
    TNestingGuard guard("Collections");
    Write("<");
    for (TValueType item = FIn.ReadValueType(); item != TValueType::vaNull;
         item = FIn.ReadValueType()) {
      NewLine();
      Indent(level + 1);
      Write("item");
      if (propstream::IsIntType(item)) {
        Write(" [" + std::to_string(FIn.ReadIntBody(item)) + "]");
        item = FIn.ReadValueType();
      }
      if (item != TValueType::vaList) FIn.Fail("collection item expected");
      NewLine();
      for (std::string name = FIn.ReadShortString("a property name"); !name.empty();
           name = FIn.ReadShortString("a property name"))
        ConvertProperty(name, level + 2);
      Indent(level + 1);
      Write("end");
    }
    Write(">");
  }

  void WriteSet(const std::vector<std::string>& names) {
    Write("[");
    for (size_t i = 0; i < names.size(); ++i)
      Write((i ? ", " : "") + RequireSymbol(names[i], "the set element"));
    Write("]");
  }

  void WriteBinary(const std::vector<uint8_t>& bytes, int level) {
    static const char kHex[] = "0123456789ABCDEF";
    Write("{");
    for (size_t start = 0; start < bytes.size(); start += kBinaryBytesPerLine) {
      NewLine();
      Indent(level + 1);
      const size_t end = std::min(bytes.size(), start + kBinaryBytesPerLine);
      for (size_t i = start; i < end; ++i) {
        FText += kHex[bytes[i] >> 4];
        FText += kHex[bytes[i] & 15];
      }
    }
    Write("}");
  }

  void WriteString(const std::string& text, int level) {
    if (text.size() <= kStringBytesPerLine) return Write(QuotedPiece(text));
    for (size_t start = 0; start < text.size(); start += kStringBytesPerLine) {
      if (start) Write(" +");
      NewLine();
      Indent(level + 1);
      Write(QuotedPiece(text.substr(start, kStringBytesPerLine)));
    }
  }

  static std::string QuotedPiece(const std::string& piece) {
    if (piece.empty()) return "''";
    std::string out;
    bool quoted = false;
    for (char c : piece) {
      const auto code = static_cast<unsigned char>(c);
      if (code < 32) {
        if (quoted) out += '\'';
        quoted = false;
        out += '#' + std::to_string(code);
        continue;
      }
      if (!quoted) out += '\'';
      quoted = true;
      out += c;
      if (c == '\'') out += '\'';
    }
    if (quoted) out += '\'';
    return out;
  }

  void Write(const std::string& text) { FText += text; }
  void Indent(int level) { FText.append(static_cast<size_t>(level) * 2, ' '); }
  // A value that starts on the next line leaves "Name =" without a trailing blank.
  void NewLine() {
    while (!FText.empty() && FText.back() == ' ') FText.pop_back();
    FText += "\r\n";
  }

  TBinaryInput& FIn;
  std::string FText;
};

// ---- Text tokenizer -------------------------------------------------------------------

enum class TToken { EndOfText, Symbol, String, Integer, Float, Char };

// The value of each character as a hexadecimal digit, -1 for any other character.
constexpr std::array<int8_t, 256> kHexDigits = [] {
  std::array<int8_t, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[static_cast<size_t>(c)] = c >= '0' && c <= '9'   ? static_cast<int8_t>(c - '0')
                                    : c >= 'a' && c <= 'f' ? static_cast<int8_t>(c - 'a' + 10)
                                    : c >= 'A' && c <= 'F' ? static_cast<int8_t>(c - 'A' + 10)
                                                           : int8_t{-1};
  return table;
}();

// Sixteen hexadecimal digits to eight bytes; false, with nothing written, when any of
// the sixteen characters is not a digit (the caller then goes on character by character).
bool DecodeHex16(const char* text, uint8_t* out) {
#if defined(__SSE2__)
  const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text));
  // Unsigned differences put both ends of a range into one comparison.
  const __m128i digit = _mm_sub_epi8(c, _mm_set1_epi8('0'));
  const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
  const __m128i letter = _mm_sub_epi8(_mm_or_si128(c, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(letter, _mm_set1_epi8(5)), letter);
  if (_mm_movemask_epi8(_mm_or_si128(isDigit, isLetter)) != 0xFFFF) return false;
  const __m128i value =
      _mm_or_si128(_mm_and_si128(isDigit, digit),
                   _mm_and_si128(isLetter, _mm_add_epi8(letter, _mm_set1_epi8(10))));
  // Each 16-bit lane holds a byte's high digit in its low half and its low digit above.
  const __m128i bytes = _mm_or_si128(_mm_and_si128(_mm_slli_epi16(value, 4), _mm_set1_epi16(0xF0)),
                                     _mm_srli_epi16(value, 8));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(bytes, bytes));
  return true;
#else
  (void)text;
  (void)out;
  return false;
#endif
}

class TTokenizer {
 public:
  explicit TTokenizer(std::string_view text) : FText(text) {}

  TToken Token() const { return FToken; }
  // Symbols and strings; a symbol's text lies in the source, so it outlasts the token.
  std::string_view Text() const { return FToken == TToken::String ? FTokenText : FSymbol; }
  int64_t Int() const { return FTokenInt; }
  char Char() const { return FToken == TToken::Char ? FSymbol[0] : '\0'; }
  bool IsChar(char c) const { return FToken == TToken::Char && FSymbol[0] == c; }
  bool IsSymbol(const char* word) const {
    return FToken == TToken::Symbol && SameText(FSymbol, word);
  }
  int Line() const { return FTokenLine; }

  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError("Invalid property text at line " + std::to_string(FTokenLine) + ": " + what);
  }
  [[noreturn]] void Expected(const std::string& what) const {
    Fail(what + " expected, found " + Describe());
  }

  void Next() {
    SkipBlanks();
    FTokenLine = FLine;
    FTokenText.clear();
    if (FPos >= FText.size()) {
      FToken = TToken::EndOfText;
      return;
    }
    const char c = FText[FPos];
    if (IsSymbolStart(c)) return ReadSymbol();
    if (c == '\'' || c == '#') return ReadString();
    if (IsDigit(c) || ((c == '-' || c == '+') && IsDigit(At(FPos + 1))) ||
        (c == '$' && IsHexDigit(At(FPos + 1))) ||
        ((c == '-' || c == '+') && At(FPos + 1) == '$' && IsHexDigit(At(FPos + 2))))
      return ReadNumber();
    FToken = TToken::Char;
    FSymbol = FText.substr(FPos, 1);
    ++FPos;
  }

  // The bytes of "{ ... }" after the opening brace: hexadecimal digit pairs with any
  // blanks and line breaks between them. Stored records of child objects make this the
  // bulk of a skin's object text, so whole pairs are decoded through a table first.
  // Appends the decoded bytes to `out`.
  void ReadBinaryBody(std::vector<uint8_t>& out) {
    const size_t close = FText.find('}', FPos);
    const size_t end = close == std::string_view::npos ? FText.size() : close;
    const size_t start = out.size();
    out.resize(start + (end - FPos) / 2);  // each byte takes two digits
    uint8_t* next = out.data() + start;
    int pending = -1;
    size_t pos = FPos;
    while (pos < end) {
      if (pending < 0) {
        for (; pos + 16 <= end && DecodeHex16(FText.data() + pos, next); pos += 16) next += 8;
        for (; pos + 1 < end && (HexAt(pos) | HexAt(pos + 1)) >= 0; pos += 2)
          *next++ = static_cast<uint8_t>(HexAt(pos) * 16 + HexAt(pos + 1));
        if (pos >= end) break;
      }
      const char c = FText[pos];
      if (const int digit = HexAt(pos); digit >= 0) {
        if (pending < 0) {
          pending = digit;
        } else {
          *next++ = static_cast<uint8_t>(pending * 16 + digit);
          pending = -1;
        }
        ++pos;
        continue;
      }
      if (static_cast<unsigned char>(c) > ' ') {
        FPos = pos;
        FTokenLine = FLine;
        Fail(std::string("hexadecimal digit expected in binary data, found \"") + c + "\"");
      }
      // A line break and the next line's indentation, passed over in one go.
      for (; pos < end && static_cast<unsigned char>(FText[pos]) <= ' ';
           pos = SkipSpaces(pos + 1, end))
        if (FText[pos] == '\n' || (FText[pos] == '\r' && At(pos + 1) != '\n')) ++FLine;
    }
    FPos = end;
    if (close == std::string_view::npos) Fail("binary data without a closing \"}\"");
    ++FPos;
    if (pending >= 0) {
      FTokenLine = FLine;
      Fail("binary data with an odd number of hexadecimal digits");
    }
    out.resize(static_cast<size_t>(next - out.data()));
  }

 private:
  // The position of the first character from `pos` on (before `end`) that is not a space.
  size_t SkipSpaces(size_t pos, size_t end) const {
#if defined(__SSE2__)
    for (; pos + 16 <= end; pos += 16) {
      const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(FText.data() + pos));
      const int spaces = _mm_movemask_epi8(_mm_cmpeq_epi8(c, _mm_set1_epi8(' ')));
      if (spaces != 0xFFFF) return pos + static_cast<size_t>(__builtin_ctz(~spaces));
    }
#endif
    while (pos < end && FText[pos] == ' ') ++pos;
    return pos;
  }

  static bool IsDigit(char c) {
    return c >= '0' && c <= '9';
  }
  static bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  }
  static int HexValue(char c) {
    return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
  }
  char At(size_t pos) const {
    return pos < FText.size() ? FText[pos] : '\0';
  }
  int HexAt(size_t pos) const {
    return kHexDigits[static_cast<unsigned char>(FText[pos])];
  }

  void SkipBlanks() {
    for (; FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' '; ++FPos)
      if (FText[FPos] == '\n' || (FText[FPos] == '\r' && At(FPos + 1) != '\n')) ++FLine;
  }

  void ReadSymbol() {
    const size_t start = FPos;
    while (FPos < FText.size() && IsSymbolChar(FText[FPos])) ++FPos;
    FToken = TToken::Symbol;
    FSymbol = FText.substr(start, FPos - start);
  }

  // Adjacent quoted runs and "#nn" codes form one string: 'It''s'#13#10'done'.
  void ReadString() {
    FToken = TToken::String;
    while (At(FPos) == '\'' || At(FPos) == '#') {
      if (FText[FPos] == '#')
        ReadCharCode();
      else
        ReadQuotedRun();
    }
  }

  void ReadQuotedRun() {
    for (++FPos;; ++FPos) {
      const char c = At(FPos);
      if (FPos >= FText.size() || c == '\r' || c == '\n') Fail("unterminated string");
      if (c == '\'') {
        if (At(FPos + 1) != '\'') break;
        ++FPos;
      }
      FTokenText += c;
    }
    ++FPos;
  }

  void ReadCharCode() {
    ++FPos;
    const bool hex = At(FPos) == '$';
    if (hex) ++FPos;
    uint32_t code = 0;
    const size_t start = FPos;
    while (hex ? IsHexDigit(At(FPos)) : IsDigit(At(FPos))) {
      code = code * (hex ? 16 : 10) + static_cast<uint32_t>(HexValue(At(FPos)));
      if (code > 0x10FFFF) Fail("character code out of range");
      ++FPos;
    }
    if (FPos == start) Fail("character code expected after \"#\"");
    FTokenText += propstream::CodeToAnsi(code);
  }

  void ReadNumber() {
    bool negative = false;
    if (FText[FPos] == '-' || FText[FPos] == '+') negative = FText[FPos++] == '-';
    if (At(FPos) == '$') return ReadHexNumber(negative);
    uint64_t magnitude = 0;
    constexpr uint64_t kLimit = uint64_t{INT64_MAX} + 1;  // the magnitude of INT64_MIN
    for (; IsDigit(At(FPos)); ++FPos) {
      const auto digit = static_cast<uint64_t>(At(FPos) - '0');
      if (magnitude > (kLimit - digit) / 10) Fail("integer out of range");
      magnitude = magnitude * 10 + digit;
    }
    if (At(FPos) == '.' || At(FPos) == 'e' || At(FPos) == 'E') {
      while (IsDigit(At(FPos)) || At(FPos) == '.' || At(FPos) == 'e' || At(FPos) == 'E' ||
             ((At(FPos) == '-' || At(FPos) == '+') && (At(FPos - 1) | 0x20) == 'e'))
        ++FPos;
      FToken = TToken::Float;
      return;
    }
    if (!negative && magnitude > uint64_t{INT64_MAX}) Fail("integer out of range");
    FToken = TToken::Integer;
    FTokenInt = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  }

  // "$hex": up to eight digits are a 32-bit pattern ($FF000010 is the system colour it
  // reads as), longer ones a 64-bit one.
  void ReadHexNumber(bool negative) {
    ++FPos;
    uint64_t value = 0;
    int digits = 0;
    for (; IsHexDigit(At(FPos)); ++FPos, ++digits) {
      if (digits == 16) Fail("integer out of range");
      value = value * 16 + static_cast<uint64_t>(HexValue(At(FPos)));
    }
    int64_t number = digits <= 8 ? int64_t{static_cast<int32_t>(static_cast<uint32_t>(value))}
                                 : static_cast<int64_t>(value);
    FToken = TToken::Integer;
    FTokenInt = negative ? static_cast<int64_t>(0 - static_cast<uint64_t>(number)) : number;
  }

  std::string Describe() const {
    switch (FToken) {
      case TToken::EndOfText:
        return "the end of the text";
      case TToken::Symbol:
        return "\"" + std::string(FSymbol) + "\"";
      case TToken::String:
        return "a string";
      case TToken::Integer:
      case TToken::Float:
        return "a number";
      case TToken::Char:
        return "\"" + std::string(FSymbol) + "\"";
    }
    return "?";
  }

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
  TToken FToken = TToken::EndOfText;
  std::string FTokenText;    // strings, built from their runs and codes
  std::string_view FSymbol;  // symbols and single characters, in the source
  int64_t FTokenInt = 0;
  int FTokenLine = 1;
};

// ---- Text to binary -------------------------------------------------------------------
//
// object   = ("object" | "inherited" | "inline") [name ":"] class ["[" integer "]"]
//            property* object* "end"
// property = name "=" value            (names may be dotted: Font.Name)
// value    = integer | string ("+" string)* | identifier | "[" names "]"
//          | "(" value* ")" | "{" hex digits "}" | "<" ("item" ["[" integer "]"]
//            property* "end")* ">"
//
// Also accepted: "object : TClass" (an empty name), identifiers in any letter case,
// integers with a sign or in "$" hexadecimal, strings made of quoted runs and "#nn" or
// "#$hh" codes (codes above 255 are taken as Unicode and mapped to Windows-1252),
// blanks, indentation and line breaks anywhere between tokens.

class TTextInput {
 public:
  TTextInput(std::string_view text, std::vector<uint8_t>& output)
      : FTokens(text), FBytes(output), FOut(output) {}

  void Convert() {
    try {
      FTokens.Next();
      ConvertObject();
    } catch (const EWriteError& e) {
      // A name longer than the binary form holds is a fault of the text being read.
      FTokens.Fail(e.what());
    }
  }

 private:
  bool AtObjectStart() const {
    return FTokens.IsSymbol("object") || FTokens.IsSymbol("inherited") ||
           FTokens.IsSymbol("inline");
  }

  // Names go into short strings of the binary form.
  std::string_view ExpectSymbol(const char* what) {
    if (FTokens.Token() != TToken::Symbol) FTokens.Expected(what);
    const std::string_view text = FTokens.Text();
    if (text.size() > 255) FTokens.Fail(std::string(what) + " longer than 255 characters");
    FTokens.Next();
    return text;
  }

  void ExpectChar(char c) {
    if (!FTokens.IsChar(c)) FTokens.Expected(std::string("\"") + c + "\"");
    FTokens.Next();
  }

  int64_t ExpectInteger() {
    if (FTokens.Token() != TToken::Integer) FTokens.Expected("an integer");
    const int64_t value = FTokens.Int();
    FTokens.Next();
    return value;
  }

  void ConvertObject() {
    TNestingGuard guard("Objects");
    if (!AtObjectStart()) FTokens.Expected("\"object\"");
    uint8_t flags = FTokens.IsSymbol("inherited") ? ffInherited
                    : FTokens.IsSymbol("inline")  ? ffInline
                                                  : 0;
    FTokens.Next();
    std::string name, className;
    if (FTokens.IsChar(':')) {
      FTokens.Next();
      className = ExpectSymbol("a class name");
    } else {
      className = ExpectSymbol("an object name or a class name");
      if (FTokens.IsChar(':')) {
        FTokens.Next();
        name = std::move(className);
        className = ExpectSymbol("a class name");
      }
    }
    int64_t childPos = 0;
    if (FTokens.IsChar('[')) {
      FTokens.Next();
      childPos = ExpectInteger();
      flags |= ffChildPos;
      ExpectChar(']');
    }
    FOut.WriteHeader(flags, childPos, className, name);
    while (!FTokens.IsSymbol("end") && !AtObjectStart()) ConvertProperty();
    FOut.WriteByte(0);
    while (!FTokens.IsSymbol("end")) ConvertObject();
    FOut.WriteByte(0);
    FTokens.Next();
  }

  void ConvertProperty() {
    const std::string_view name = ExpectSymbol("a property name or \"end\"");
    FOut.WriteShortString(name, "a property name");
    ExpectChar('=');
    ConvertValue();
  }

  void ConvertValue() {
    switch (FTokens.Token()) {
      case TToken::Integer:
        FOut.WriteInteger(FTokens.Int());
        return FTokens.Next();
      case TToken::String:
        return ConvertString();
      case TToken::Symbol:
        return ConvertIdent();
      case TToken::Float:
        FTokens.Fail("floating-point values are not supported");
      case TToken::Char:
        if (FTokens.IsChar('[')) return ConvertSet();
        if (FTokens.IsChar('(')) return ConvertList();
        if (FTokens.IsChar('{')) return ConvertBinary();
        if (FTokens.IsChar('<')) return ConvertCollection();
        break;
      case TToken::EndOfText:
        break;
    }
    FTokens.Expected("a property value");
  }

  void ConvertString() {
    std::string text(FTokens.Text());
    FTokens.Next();
    while (FTokens.IsChar('+')) {
      FTokens.Next();
      if (FTokens.Token() != TToken::String) FTokens.Expected("a string after \"+\"");
      text += FTokens.Text();
      FTokens.Next();
    }
    FOut.WriteString(text);
  }

  void ConvertIdent() {
    if (FTokens.IsSymbol("True"))
      FOut.WriteValueType(TValueType::vaTrue);
    else if (FTokens.IsSymbol("False"))
      FOut.WriteValueType(TValueType::vaFalse);
    else if (FTokens.IsSymbol("nil"))
      FOut.WriteValueType(TValueType::vaNil);
    else
      return FOut.WriteIdent(ExpectSymbol("an identifier"));
    FTokens.Next();
  }

  void ConvertSet() {
    FTokens.Next();
    FOut.WriteValueType(TValueType::vaSet);
    while (!FTokens.IsChar(']')) {
      FOut.WriteShortString(ExpectSymbol("a set element"), "a set element");
      if (FTokens.IsChar(',')) {
        FTokens.Next();
      } else if (!FTokens.IsChar(']')) {
        FTokens.Expected("\",\" or \"]\"");
      }
    }
    FOut.WriteByte(0);
    FTokens.Next();
  }

  void ConvertList() {
    TNestingGuard guard("Lists");
    FTokens.Next();
    FOut.WriteValueType(TValueType::vaList);
    while (!FTokens.IsChar(')')) ConvertValue();
    FOut.WriteByte(0);
    FTokens.Next();
  }

  // The digits are decoded straight into the output, behind a length filled in after.
  void ConvertBinary() {
    FOut.WriteValueType(TValueType::vaBinary);
    const size_t lengthAt = FBytes.size();
    FBytes.resize(lengthAt + 4);
    FTokens.ReadBinaryBody(FBytes);
    const size_t length = FBytes.size() - lengthAt - 4;
    if (length > INT32_MAX) throw EWriteError("Binary property larger than 2 GB");
    for (size_t i = 0; i < 4; ++i) FBytes[lengthAt + i] = static_cast<uint8_t>(length >> (8 * i));
    FTokens.Next();
  }

  void ConvertCollection() {
    TNestingGuard guard("Collections");
    FTokens.Next();
    FOut.WriteValueType(TValueType::vaCollection);
    while (!FTokens.IsChar('>')) {
      if (!FTokens.IsSymbol("item")) FTokens.Expected("\"item\" or \">\"");
      FTokens.Next();
      if (FTokens.IsChar('[')) {
        FTokens.Next();
        FOut.WriteInteger(ExpectInteger());
        ExpectChar(']');
      }
      FOut.WriteValueType(TValueType::vaList);
      while (!FTokens.IsSymbol("end")) ConvertProperty();
      FOut.WriteByte(0);
      FTokens.Next();
    }
    FOut.WriteByte(0);
    FTokens.Next();
  }

  TTokenizer FTokens;
  std::vector<uint8_t>& FBytes;
  TBinaryOutput FOut;
};

std::string ReadRest(TStream& input) {
  std::string text;
  char buffer[16384];
  for (int64_t n; (n = input.Read(buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<size_t>(n));
  return text;
}

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) {
  TBinaryInput in(input);
  in.ReadSignature();
  TTextOutput text(in);
  text.ConvertObject(in.ReadByte("the object header"), 0);
  const std::string result = text.Take();
  output.WriteBuffer(result.data(), static_cast<int64_t>(result.size()));
}

void ObjectTextToBinary(TStream& input, TStream& output) {
  const std::string text = ReadRest(input);
  const std::vector<uint8_t> binary = ObjectTextToBinary(std::string_view(text));
  output.WriteBuffer(binary.data(), static_cast<int64_t>(binary.size()));
}

std::string ObjectBinaryToText(const std::vector<uint8_t>& binary) {
  TReadOnlyMemoryStream input(binary.data(), static_cast<int64_t>(binary.size()));
  TMemoryStream output;
  ObjectBinaryToText(input, output);
  return std::string(output.Bytes().begin(), output.Bytes().end());
}

std::vector<uint8_t> ObjectTextToBinary(std::string_view text) {
  std::vector<uint8_t> binary(std::begin(propstream::kSignature), std::end(propstream::kSignature));
  binary.reserve(text.size() / 2 + 64);  // hexadecimal bodies, the bulk, halve
  TTextInput(text, binary).Convert();
  return binary;
}

}  // namespace vt
