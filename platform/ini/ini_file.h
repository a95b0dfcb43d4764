#pragma once
// TIniFile: an INI file with the rules of the Windows private-profile
// functions, which templates were written under:
//  - section and key names match without regard to (ASCII) case;
//  - blanks around names and values are dropped, and one pair of single or
//    double quotes enclosing a whole value is removed on reading;
//  - a value reads as at most 1023 characters (the 1024-byte buffer);
//  - ReadSection gives every key name of the section in file order (the
//    original cut the list at 8192 bytes and so dropped children of large
//    containers; we read it whole);
//  - an integer is read as text; "0x"/"0X" reads hexadecimal; a text that is
//    no integer, and a missing key, give the default;
//  - a write replaces a value in place, appends a new key at the end of its
//    section and a new section at the end of the file; an empty value is
//    written as "KEY=";
//  - a line ends at CR LF, LF or CR alone; CRLF is written.
// Text is Windows-1252 bytes, unchanged. Where a section or key occurs twice
// the first one answers, as with the private-profile functions; ReadSection
// still lists every key line of that first section. Lines without "=" and
// comment lines (";") are no keys. SectionExists is true, as in the class
// library, only for a section that holds at least one key. A write whose
// section or key name would break the file's lines is refused (false). A
// written value reads back as it was given, cut at 1023 characters, except
// that line breaks inside it are written as blanks: one that reading would
// change (blanks at its ends, a pair of quotes around it) is written in
// double quotes.
//
// The designer saves a template as a whole: it opens the file NewInMemory,
// writes every key, and calls UpdateFile once, which leaves the old file in
// place until the new one is complete on disk.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TIniFile {
 public:
  // nativePath is a UTF-8 file-system path. A missing file reads as empty; it
  // is created by the first write.
  explicit TIniFile(std::string nativePath);
  // Starts empty whatever the file holds, as if it had been deleted, and keeps
  // every write in memory until UpdateFile.
  struct NewInMemory {};
  TIniFile(std::string nativePath, NewInMemory);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  int32_t ReadInteger(std::string_view section, std::string_view key,
                      int32_t defaultValue) const;
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::vector<std::string> ReadSections() const;
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;

  // Each write goes to disk at once, as the private-profile functions do
  // (NewInMemory: only to memory, and true). Returns false when the file
  // cannot be written (nothing is lost in memory).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int32_t value);
  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view key);

  // Writes the whole content once, through a temporary file in the same
  // folder that replaces the old file only when it is complete. False, with
  // the old file untouched, when that fails. Never throws.
  bool UpdateFile() const;

 private:
  struct Content;
  // Rewrites the whole file from memory after one write, unless in memory.
  bool Flush() const;
  std::string path_;
  bool inMemory_ = false;
  std::unique_ptr<Content> content_;
};

// A value as any file gives it back, whoever wrote it: line breaks as the
// blanks a write makes of them, and the blanks and quote pairs around it
// peeled as reading peels them, again and again until none is left
// (""x"" and " 'x' " give x). Style names are kept so, typed or read.
std::string SettledIniValue(std::string_view value);

}  // namespace platform
