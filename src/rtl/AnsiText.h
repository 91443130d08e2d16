#pragma once
// 8-bit text, the text of every stored skin, is Windows-1252: the code page the skins
// were written in. This is the one conversion between it and Unicode; the property
// streams, the property text and the inspector all go through it.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

// The character a stored byte stands for. The five bytes the code page leaves unused
// read as the C1 controls of the same number, as the platform's own conversion reads
// them, so that every byte converts back to itself.
char16_t AnsiCharToUnicode(unsigned char byte);

// The byte that stores `code`, or nullopt when 8-bit text has none. Codes up to 255
// are that byte: older writers give byte values as character codes.
std::optional<char> UnicodeToAnsiChar(char32_t code);

QString AnsiToQString(std::string_view text);

// Throws EConvertError naming every character of `text` that 8-bit text cannot hold,
// so that nothing is stored in a changed form without the user knowing.
std::string QStringToAnsi(const QString& text);

}  // namespace vt
