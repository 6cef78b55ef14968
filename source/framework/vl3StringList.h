// An ordered list of strings, each with an object/integer slot: the string
// list of the application framework, with case-insensitive ANSI look-ups, a
// sorted mode that drops duplicates, a change notification and text files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStringList {
 public:
  TStringList() = default;
  TStringList(const TStringList& other) : items_(other.items_), sorted_(other.sorted_) {}
  TStringList& operator=(const TStringList& other);

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  const std::string& Strings(int index) const { return items_[index].text; }
  const std::string& operator[](int index) const { return items_[index].text; }
  void SetStrings(int index, const std::string& s);
  intptr_t Objects(int index) const { return items_[index].object; }
  void SetObjects(int index, intptr_t object);

  // In sorted mode Add inserts in case-insensitive order and a string that is
  // already present is not added again (its index is returned).
  int Add(const std::string& s) { return AddObject(s, 0); }
  int AddObject(const std::string& s, intptr_t object);
  void Insert(int index, const std::string& s, intptr_t object = 0);
  void Delete(int index);
  void Clear();
  void Move(int from, int to);
  void Exchange(int a, int b);
  void Assign(const TStringList& other);
  void AddStrings(const TStringList& other);

  // Case-insensitive (ANSI) search; -1 when absent.
  int IndexOf(const std::string& s) const;
  int IndexOfObject(intptr_t object) const;
  bool Contains(const std::string& s) const { return IndexOf(s) >= 0; }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);  // sorts at once and drops duplicates
  void Sort();

  // The lines joined with CR LF (each line terminated); SetText splits on
  // CR LF, LF or CR.
  std::string Text() const;
  void SetText(const std::string& text);
  // Comma-separated form; entries holding a comma, blank or quote are quoted.
  std::string CommaText() const;
  void SetCommaText(const std::string& text);

  bool LoadFromFile(const std::string& path);
  bool SaveToFile(const std::string& path) const;

  std::vector<std::string> ToVector() const;

  bool operator==(const TStringList& other) const;
  bool operator!=(const TStringList& other) const { return !(*this == other); }

  // Raised after every change; BeginUpdate/EndUpdate fold a batch into one.
  std::function<void(TStringList* sender)> OnChange;
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

 private:
  struct TItem {
    std::string text;
    intptr_t object = 0;
  };
  void Changed();
  int FindSorted(const std::string& s, bool& found) const;

  std::vector<TItem> items_;
  bool sorted_ = false;
  int updateCount_ = 0;
  bool pendingChange_ = false;
};
