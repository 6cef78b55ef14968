// UTF-8 to and from the single-byte Windows code pages 1250, 1251 and 1252:
// word lists, thesaurus sources, translated texts and terminal text pass here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Codepage {

constexpr uint32_t kInvalid = 0xFFFFFFFF;

bool IsSupported(int codePage);  // 1250, 1251 or 1252

// The ANSI code page of a Windows language identifier's primary language:
// 1251 for Cyrillic, 1250 for Central European, 1252 for the rest.
int OfLanguage(uint32_t langId);

// Decodes one UTF-8 sequence at pos; returns the bytes consumed (at least 1).
// A broken sequence yields kInvalid and consumes one byte; a complete one
// with a forbidden value (overlong, surrogate) yields kInvalid as a whole.
size_t DecodeUtf8(const std::string& text, size_t pos, uint32_t& codePoint);

// Converts UTF-8 text; each character the code page lacks (and each malformed
// byte) becomes `replacement`, so the result has one byte per character.
// Returns true when every character converted exactly; an unsupported code
// page gives false and an empty result.
bool FromUtf8(const std::string& utf8, int codePage, std::string& out, char replacement = '?');

// Bytes the code page leaves unassigned become U+FFFD; an unsupported code
// page gives the empty string.
std::string ToUtf8(const std::string& text, int codePage);

// The code page (1250, 1251 or 1252) that text in an unnamed single-byte
// code page most likely uses, from how often each byte occurs in its words:
// Cyrillic words are almost all bytes above 0xC0, Central European ones
// carry letters that Western languages lack or seldom use. 1252 when
// nothing points elsewhere.
int GuessFromByteCounts(const uint64_t (&counts)[256]);

constexpr int kUtf8 = 65001;  // "code page" of UTF-8 text in Convert

// Re-encodes text between two of 1250, 1251, 1252 and kUtf8; characters the
// target lacks become '?'. The same page on both sides returns the text.
std::string Convert(const std::string& text, int fromCodePage, int toCodePage);

// An encoding name as terminals and editors give it: "utf-8", "cp1251",
// "windows-1250", "latin1", ... (case ignored). False for an unknown name.
bool FromName(const std::string& name, int& codePage);

}  // namespace Codepage
