#pragma once
// Text inside the tool is UTF-8 in std::string; the Win32 layer converts at
// the boundary. UTF-8 never puts a byte below 0x80 inside a multi-byte
// character, so '\\' and the forbidden path characters are found byte-wise.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

std::wstring Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::wstring_view text);

// Characters as the user and Windows count them: UTF-16 code units.
std::size_t Utf16Length(std::string_view utf8);

// Byte length of the UTF-8 sequence that starts with `lead` (1 for ASCII and
// for a stray continuation byte, so a walk always moves on).
std::size_t Utf8SequenceLength(unsigned char lead);

std::string AsciiUpper(std::string_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Fills each "%s" of `format`, left to right, with the next argument; text
// that an argument brings in is never taken for a further slot.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);
