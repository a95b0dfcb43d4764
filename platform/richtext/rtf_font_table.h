#pragma once
// The faces of an RTF font table by font number. Entries are "\fN name;",
// inside a group of their own or not; a group's end also ends its entry.
#include <QString>
#include <cstdint>
#include <unordered_map>

namespace platform {

class RtfFontTable {
 public:
  void BeginEntry(int32_t number);
  void AppendToName(char32_t codePoint);
  // Commits the entry begun with BeginEntry when it has a name.
  void EndEntry();

  // Null when the table has no such font.
  const QString* Find(int32_t number) const;

 private:
  std::unordered_map<int32_t, QString> faces_;
  bool entryOpen_ = false;
  int32_t number_ = 0;
  QString name_;
};

}  // namespace platform
