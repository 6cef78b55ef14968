// String list operations.
#include "vl3StringList.h"

#include <algorithm>

#include "vl3Ansi.h"
#include "vl3Platform.h"

TStringList& TStringList::operator=(const TStringList& other) {
  Assign(other);
  return *this;
}

void TStringList::Changed() {
  if (updateCount_ > 0) {
    pendingChange_ = true;
    return;
  }
  if (OnChange) OnChange(this);
}

void TStringList::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && pendingChange_) {
    pendingChange_ = false;
    if (OnChange) OnChange(this);
  }
}

void TStringList::SetStrings(int index, const std::string& s) {
  items_[index].text = s;
  Changed();
}

void TStringList::SetObjects(int index, intptr_t object) { items_[index].object = object; }

int TStringList::FindSorted(const std::string& s, bool& found) const {
  int lo = 0, hi = Count() - 1;
  found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = Ansi::CompareText(items_[mid].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  return lo;
}

int TStringList::AddObject(const std::string& s, intptr_t object) {
  int index = Count();
  if (sorted_) {
    bool found;
    index = FindSorted(s, found);
    if (found) return index;
  }
  items_.insert(items_.begin() + index, TItem{s, object});
  Changed();
  return index;
}

void TStringList::Insert(int index, const std::string& s, intptr_t object) {
  if (sorted_) {
    AddObject(s, object);
    return;
  }
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, TItem{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TStringList::Move(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= Count() || to >= Count()) return;
  TItem item = items_[from];
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, item);
  Changed();
}

void TStringList::Exchange(int a, int b) {
  if (a == b || a < 0 || b < 0 || a >= Count() || b >= Count()) return;
  std::swap(items_[a], items_[b]);
  Changed();
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  items_ = other.items_;
  if (sorted_) Sort();
  Changed();
}

void TStringList::AddStrings(const TStringList& other) {
  BeginUpdate();
  for (const TItem& item : other.items_) AddObject(item.text, item.object);
  EndUpdate();
}

int TStringList::IndexOf(const std::string& s) const {
  if (sorted_) {
    bool found;
    int index = FindSorted(s, found);
    return found ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (Ansi::SameText(items_[i].text, s)) return i;
  }
  return -1;
}

int TStringList::IndexOfObject(intptr_t object) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[i].object == object) return i;
  }
  return -1;
}

void TStringList::SetSorted(bool sorted) {
  if (sorted_ == sorted) return;
  sorted_ = sorted;
  if (sorted_) Sort();
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(), [](const TItem& a, const TItem& b) {
    return Ansi::CompareText(a.text, b.text) < 0;
  });
  if (sorted_) {
    auto last = std::unique(items_.begin(), items_.end(), [](const TItem& a, const TItem& b) {
      return Ansi::SameText(a.text, b.text);
    });
    items_.erase(last, items_.end());
  }
  Changed();
}

std::string TStringList::Text() const {
  std::string result;
  for (const TItem& item : items_) {
    result += item.text;
    result += "\r\n";
  }
  return result;
}

void TStringList::SetText(const std::string& text) {
  BeginUpdate();
  items_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      AddObject(text.substr(start), 0);
      break;
    }
    AddObject(text.substr(start, end - start), 0);
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  Changed();
  EndUpdate();
}

std::string TStringList::CommaText() const {
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) result += ',';
    const std::string& s = items_[i].text;
    bool quote = s.empty() || s.find_first_of(", \"\t") != std::string::npos;
    if (!quote) {
      result += s;
      continue;
    }
    result += '"';
    for (char c : s) {
      if (c == '"') result += '"';
      result += c;
    }
    result += '"';
  }
  return result;
}

void TStringList::SetCommaText(const std::string& text) {
  BeginUpdate();
  items_.clear();
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string item;
    if (i < n && text[i] == '"') {
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
      while (i < n && text[i] != ',') ++i;
    } else {
      while (i < n && text[i] != ',') item += text[i++];
      while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
    }
    AddObject(item, 0);
    if (i < n && text[i] == ',') {
      ++i;
      if (i == n) AddObject("", 0);
    }
  }
  Changed();
  EndUpdate();
}

bool TStringList::LoadFromFile(const std::string& path) {
  std::string data;
  if (!Platform::ReadWholeFile(path, data)) return false;
  SetText(data);
  return true;
}

bool TStringList::SaveToFile(const std::string& path) const {
  return Platform::WriteWholeFile(path, Text());
}

std::vector<std::string> TStringList::ToVector() const {
  std::vector<std::string> result;
  result.reserve(items_.size());
  for (const TItem& item : items_) result.push_back(item.text);
  return result;
}

bool TStringList::operator==(const TStringList& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (items_[i].text != other.items_[i].text) return false;
  }
  return true;
}
