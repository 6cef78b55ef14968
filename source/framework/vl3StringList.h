// An ordered list of strings, each with an object/integer slot: the string
// list of the application framework, with case-insensitive ANSI look-ups, a
// sorted mode that drops duplicates, a change notification and text files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

/// A list of strings, each with an optional object value, kept sorted when asked.
class TStringList {
 public:
  TStringList() = default;
  /// Copies a list (without its OnChange).
  TStringList(const TStringList& other) : items_(other.items_), sorted_(other.sorted_) {}
  /// Copies a list's strings and objects.
  TStringList& operator=(const TStringList& other);

  /// The number of strings.
  int Count() const { return static_cast<int>(items_.size()); }
  /// Whether the list is empty.
  bool Empty() const { return items_.empty(); }
  /// The string at an index.
  const std::string& Strings(int index) const { return items_[index].text; }
  /// The string at an index.
  const std::string& operator[](int index) const { return items_[index].text; }
  /// Replaces the string at an index.
  void SetStrings(int index, const std::string& s);
  /// The object value at an index.
  intptr_t Objects(int index) const { return items_[index].object; }
  /// Replaces the object value at an index.
  void SetObjects(int index, intptr_t object);

  // In sorted mode Add inserts in case-insensitive order and a string that is
  // already present is not added again (its index is returned).
  /// Adds a string; returns its index.
  int Add(const std::string& s) { return AddObject(s, 0); }
  /// Adds a string with an object value; returns its index.
  int AddObject(const std::string& s, intptr_t object);
  /// Inserts a string at an index.
  void Insert(int index, const std::string& s, intptr_t object = 0);
  /// Removes the string at an index.
  void Delete(int index);
  /// Removes every string.
  void Clear();
  /// Moves a string to another index.
  void Move(int from, int to);
  /// Swaps two strings.
  void Exchange(int a, int b);
  /// Replaces the list's contents with another's.
  void Assign(const TStringList& other);
  /// Appends another list's strings.
  void AddStrings(const TStringList& other);

  // Case-insensitive (ANSI) search; -1 when absent.
  /// The index of a string (case-insensitive), or -1.
  int IndexOf(const std::string& s) const;
  /// The index of an object value, or -1.
  int IndexOfObject(intptr_t object) const;
  /// Whether the list holds a string (case-insensitive).
  bool Contains(const std::string& s) const { return IndexOf(s) >= 0; }

  /// Whether the list keeps itself sorted.
  bool Sorted() const { return sorted_; }
  /// Keeps the list sorted or not.
  void SetSorted(bool sorted);  // sorts at once and drops duplicates
  /// Sorts the list.
  void Sort();

  // The lines joined with CR LF (each line terminated); SetText splits on
  // CR LF, LF or CR.
  /// The strings, one a line.
  std::string Text() const;
  /// Replaces the strings with the lines of a text.
  void SetText(const std::string& text);
  // Comma-separated form; entries holding a comma, blank or quote are quoted.
  /// The strings separated by commas, quoted where needed.
  std::string CommaText() const;
  /// Replaces the strings with those of a comma-separated text.
  void SetCommaText(const std::string& text);

  /// Reads the lines of a file; false when it cannot be read.
  bool LoadFromFile(const std::string& path);
  /// Writes the strings to a file, one a line; false when it cannot be written.
  bool SaveToFile(const std::string& path) const;

  /// The strings as a vector.
  std::vector<std::string> ToVector() const;

  /// Whether two lists hold the same strings.
  bool operator==(const TStringList& other) const;
  /// Whether two lists differ.
  bool operator!=(const TStringList& other) const { return !(*this == other); }

  // Raised after every change; BeginUpdate/EndUpdate fold a batch into one.
  /// Raised after every change of the list.
  std::function<void(TStringList* sender)> OnChange;
  /// Holds OnChange back until EndUpdate.
  void BeginUpdate() { ++updateCount_; }
  /// Ends an update; raises OnChange once when the list changed.
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
