#pragma once
// Text inside the tool is UTF-8 in std::string; the Win32 layer converts at
// the boundary. UTF-8 never puts a byte below 0x80 inside a multi-byte
// character, so '\\' and the forbidden path characters are found byte-wise.
//
// The conversions are strict: an ill-formed sequence (a cut or stray byte, an
// overlong form, an encoded surrogate, a code point above U+10FFFF; on the
// UTF-16 side a lone surrogate) becomes U+FFFD, never the character it seems
// to spell. An overlong "E0 81 9C" taken at face value would turn into '\'
// after the path rules had passed it as an ordinary character.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

std::wstring Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::wstring_view text);

// The code point at `i`, moving `i` past it; nullopt for an ill-formed
// sequence, with `i` moved past its longest ill-formed start (at least one
// byte), as a converter skips it.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i);
bool IsWellFormedUtf8(std::string_view text);

// Characters as the user and Windows count them: UTF-16 code units.
std::size_t Utf16Length(std::string_view utf8);

// The text that a buffer read as a C string holds: everything before the
// first NUL.
std::string_view TextBeforeNul(std::string_view data);

std::string AsciiUpper(std::string_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// Names as the file system compares them: ordinal, each UTF-16 unit through
// the volume's upcase table, no normalisation, no locale. NTFS and the
// registry both work that way, so "ａ.pdf" and "Ａ.pdf" are one file while
// "a.pdf" and "ａ.pdf" are two, and no character turns into another letter's
// capital (µ, ı, ſ, ς and the Greek letter symbols stay themselves, as in
// Windows' table).
//
// Covered: Basic Latin, Latin-1, Latin Extended-A and -B (U+0000-U+024F),
// Greek and Coptic (U+0370-U+03FF), Cyrillic and its supplement
// (U+0400-U+052F), and the full-width forms (U+FF00-U+FFEF, Ａ-Ｚ/ａ-ｚ).
// Any other character is left as it is, so two names that differ there only
// in case compare as different: the safe side for a check that a file
// arrived, never a false match. Ill-formed bytes are kept as they are.
char32_t UpcaseAsWindows(char32_t c);
std::string UpcaseAsWindows(std::string_view utf8);
bool SameNameToWindows(std::string_view a, std::string_view b);

// Fills each "%s" of `format`, left to right, with the next argument; text
// that an argument brings in is never taken for a further slot.
std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);
