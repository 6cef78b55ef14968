// Building blocks of the small thesauri that tests compile for themselves.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "vl3ThesaurusCompiler.h"

inline TThesaurusMeaning Meaning(const std::string& headword, int category,
                                 std::array<std::vector<std::string>, 4> lists) {
  TThesaurusMeaning m;
  m.Headword = headword;
  m.Category = category;
  m.Lists = std::move(lists);
  return m;
}
