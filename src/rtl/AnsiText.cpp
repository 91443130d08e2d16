#include "AnsiText.h"

#include <QList>
#include <algorithm>
#include <array>
#include <vector>

#include "Classes.h"

namespace vt {

namespace {

// The characters of the bytes 0x80..0x9F; an unused byte stands for itself.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// How a refused character is named in a message: itself in quotes and its code point.
std::string DescribeCharacter(char32_t code) {
  const QString character = QString::fromUcs4(&code, 1);
  const QString codePoint = QStringLiteral("%1").arg(static_cast<uint>(code), 4, 16, QChar(u'0'));
  return "\"" + character.toStdString() + "\" (U+" + codePoint.toUpper().toStdString() + ")";
}

[[noreturn]] void RefuseCharacters(const std::vector<char32_t>& refused) {
  constexpr size_t kNamedAtMost = 8;
  std::string message = "8-bit (Windows-1252) text cannot hold ";
  for (size_t i = 0; i < refused.size() && i < kNamedAtMost; ++i)
    message += (i > 0 ? ", " : "") + DescribeCharacter(refused[i]);
  if (refused.size() > kNamedAtMost)
    message += " and " + std::to_string(refused.size() - kNamedAtMost) + " more";
  throw EConvertError(message);
}

}  // namespace

char16_t AnsiCharToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<char> UnicodeToAnsiChar(char32_t code) {
  if (code <= 0xFF) return static_cast<char>(code);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == code) return static_cast<char>(0x80 + i);
  return std::nullopt;
}

QString AnsiToQString(std::string_view text) {
  QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  for (size_t i = 0; i < text.size(); ++i)
    result[static_cast<qsizetype>(i)] = AnsiCharToUnicode(static_cast<unsigned char>(text[i]));
  return result;
}

std::string QStringToAnsi(const QString& text) {
  std::string result;
  result.reserve(static_cast<size_t>(text.size()));
  std::vector<char32_t> refused;
  for (const uint ucs4 : text.toUcs4()) {
    const auto code = static_cast<char32_t>(ucs4);
    if (const std::optional<char> byte = UnicodeToAnsiChar(code))
      result += *byte;
    else if (std::find(refused.begin(), refused.end(), code) == refused.end())
      refused.push_back(code);
  }
  if (!refused.empty()) RefuseCharacters(refused);
  return result;
}

}  // namespace vt
