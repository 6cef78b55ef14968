// The names that spell-checking clients pass for a dictionary (american,
// en_US, deutsch, de_DE.UTF-8, ...) and the compiled files they stand for.
#pragma once

#include <string>

// The main dictionary file (e.g. "German.vlm") for a language name or code;
// false when the name is not one of ours. Case, '-' for '_' and a locale
// suffix (".UTF-8", "@euro") do not matter; a code with a region we have no
// file for falls back to its language ("de_AT" -> "German.vlm").
bool DictionaryFileForLanguage(const std::string& name, std::string& file);

// One line naming the languages known, for messages.
std::string KnownDictionaryLanguages();
