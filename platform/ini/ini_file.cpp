#include "platform/ini/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <unordered_map>
#include <utility>

#include "platform/ini/file_replacement.h"
#include "platform/text/ansi_text.h"
#include "platform/text/number_text.h"

namespace platform {
namespace {

// The private-profile functions read a value into a 1024-byte buffer.
constexpr std::size_t kValueLimit = 1023;
constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

// The private-profile functions drop one pair of quotes, single or double,
// that opens and closes the whole value; a value opened by one kind and
// closed by the other keeps both.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string_view AsRead(std::string_view written) { return Unquote(Trim(written)); }

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// One line of the file as it stands, with what it means when it is a key.
struct Entry {
  std::string raw;
  bool isKey = false;
  std::string key;
  std::string value;
};

Entry ParseEntry(std::string raw) {
  Entry entry;
  const std::string_view body = Trim(raw);
  const std::size_t equals = body.find('=');
  if (!body.empty() && body.front() != ';' && equals != std::string_view::npos) {
    const std::string_view key = Trim(body.substr(0, equals));
    if (!key.empty()) {
      entry.isKey = true;
      entry.key = std::string(key);
      entry.value = std::string(AsRead(body.substr(equals + 1)));
    }
  }
  entry.raw = std::move(raw);
  return entry;
}

Entry MakeKeyEntry(std::string_view key, std::string_view value) {
  Entry entry;
  entry.raw = std::string(key) + "=" + std::string(value);
  entry.isKey = true;
  entry.key = std::string(key);
  entry.value = std::string(AsRead(value));
  return entry;
}

// A section header is a line whose first non-blank character is "["; the name
// runs to the "]" (or the end of the line) and is trimmed.
bool ParseSectionHeader(std::string_view raw, std::string& name) {
  const std::string_view body = Trim(raw);
  if (body.empty() || body.front() != '[') return false;
  std::string_view inner = body.substr(1);
  const std::size_t close = inner.find(']');
  if (close != std::string_view::npos) inner = inner.substr(0, close);
  name = std::string(Trim(inner));
  return true;
}

// A line break would end the line there (a CR alone too): each becomes a
// blank.
std::string WithoutLineBreaks(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// The value as it goes into the file, so that it reads back as it was given
// but for its line breaks: a value that reading would change (blanks at its
// ends, or a pair of quotes around it, such as a label text 'Total' that
// the author typed) is put in double quotes, which reading drops again.
std::string ValueAsWritten(std::string_view value) {
  std::string out = WithoutLineBreaks(value);
  if (AsRead(out) != out) out = '"' + out + '"';
  return out;
}

// Names match without regard to ASCII case, so the indexes hash and compare
// that way; lookups with a string_view need no lower-cased copy.
struct CaselessHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    std::size_t hash = 14695981039346656037ull;
    for (const char c : text) {
      const unsigned char byte = static_cast<unsigned char>(c);
      hash = (hash ^ ((byte >= 'A' && byte <= 'Z') ? byte + 32u : byte)) * 1099511628211ull;
    }
    return hash;
  }
};

struct CaselessEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};

// Name to the position of its first occurrence.
using CaselessIndex = std::unordered_map<std::string, std::size_t, CaselessHash, CaselessEqual>;

// Only a regular file is an INI file. A pipe given as one would block the
// reader until some other process wrote into it (the designer would hang
// at start-up on a global style file made a pipe), and a folder or a device
// has no lines; each reads as a missing file. O_NONBLOCK keeps the open of
// a pipe from waiting; it changes nothing for a regular file.
bool ReadRegularFile(const std::string& path, std::string& bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool readable = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  char buffer[65536];
  while (readable) {
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) readable = false;
    if (count <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  close(fd);
  return readable;
}

}  // namespace

struct TIniFile::Content {
  // Container sections of large designs hold some 10,000 keys, each written
  // and read by name: every key is found through the index, never by a walk
  // along the lines.
  struct Section {
    std::string name;
    std::string rawHeader;
    std::vector<Entry> entries;
    CaselessIndex firstKey;
    // New keys go here, after the last key, so that blank or comment lines
    // closing the section stay between it and the next section.
    std::size_t afterLastKey = 0;

    void AppendLine(Entry entry) {
      if (entry.isKey) {
        firstKey.emplace(entry.key, entries.size());
        afterLastKey = entries.size() + 1;
      }
      entries.push_back(std::move(entry));
    }

    // Only lines that are no keys follow afterLastKey, so no indexed position
    // moves.
    void InsertKey(Entry entry) {
      firstKey.emplace(entry.key, afterLastKey);
      entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(afterLastKey), std::move(entry));
      ++afterLastKey;
    }

    Entry* FindKey(std::string_view key) {
      const auto it = firstKey.find(Trim(key));
      return it == firstKey.end() ? nullptr : &entries[it->second];
    }
    const Entry* FindKey(std::string_view key) const { return const_cast<Section*>(this)->FindKey(key); }

    // Every line of the key goes, twins included; the positions after them
    // move, so the index is built again.
    std::size_t EraseKey(std::string_view key) {
      if (!FindKey(key)) return 0;
      const std::string_view wanted = Trim(key);
      const std::size_t removed =
          std::erase_if(entries, [&](const Entry& entry) { return entry.isKey && SameText(entry.key, wanted); });
      std::vector<Entry> kept = std::move(entries);
      entries.clear();
      firstKey.clear();
      afterLastKey = 0;
      for (Entry& entry : kept) AppendLine(std::move(entry));
      return removed;
    }
  };
  // Lines before the first section header belong to no section.
  std::vector<Entry> preamble;
  std::vector<Section> sections;

  // Large templates have thousands of sections, each looked up several times.
  CaselessIndex firstSection;

  Section* Find(std::string_view name) {
    const auto it = firstSection.find(Trim(name));
    return it == firstSection.end() ? nullptr : &sections[it->second];
  }
  const Section* Find(std::string_view name) const { return const_cast<Content*>(this)->Find(name); }

  Section& Append(std::string name, std::string rawHeader) {
    firstSection.emplace(name, sections.size());
    sections.push_back(Section{std::move(name), std::move(rawHeader), {}, {}, 0});
    return sections.back();
  }

  void Reindex() {
    firstSection.clear();
    for (std::size_t i = 0; i < sections.size(); ++i) firstSection.emplace(sections[i].name, i);
  }

  // A line ends at CR LF, LF or CR alone, as with the private-profile
  // functions: files from old Mac editors end their lines in CR alone.
  void Parse(const std::string& bytes) {
    // The next CR and the next LF, each searched for again only once the
    // lines have passed it, so that a file without one of them is not
    // searched through for it at every line.
    std::size_t nextCr = bytes.find('\r');
    std::size_t nextLf = bytes.find('\n');
    std::size_t start = 0;
    while (start < bytes.size()) {
      if (nextCr < start) nextCr = bytes.find('\r', start);
      if (nextLf < start) nextLf = bytes.find('\n', start);
      const std::size_t end = std::min({nextCr, nextLf, bytes.size()});
      std::string raw = bytes.substr(start, end - start);
      start = end + (end == nextCr && nextLf == end + 1 ? 2 : 1);
      std::string name;
      if (ParseSectionHeader(raw, name)) {
        Append(std::move(name), std::move(raw));
      } else if (sections.empty()) {
        preamble.push_back(ParseEntry(std::move(raw)));
      } else {
        sections.back().AppendLine(ParseEntry(std::move(raw)));
      }
    }
  }

  std::string Serialize() const {
    std::size_t size = 0;
    for (const Entry& entry : preamble) size += entry.raw.size() + kLineEnd.size();
    for (const Section& section : sections) {
      size += section.rawHeader.size() + kLineEnd.size();
      for (const Entry& entry : section.entries) size += entry.raw.size() + kLineEnd.size();
    }
    std::string out;
    out.reserve(size);
    for (const Entry& entry : preamble) out.append(entry.raw).append(kLineEnd);
    for (const Section& section : sections) {
      out.append(section.rawHeader).append(kLineEnd);
      for (const Entry& entry : section.entries) out.append(entry.raw).append(kLineEnd);
    }
    return out;
  }
};

TIniFile::TIniFile(std::string nativePath) : path_(std::move(nativePath)), content_(std::make_unique<Content>()) {
  std::string bytes;
  if (ReadRegularFile(path_, bytes)) content_->Parse(bytes);
}

TIniFile::TIniFile(std::string nativePath, NewInMemory)
    : path_(std::move(nativePath)), inMemory_(true), content_(std::make_unique<Content>()) {}

TIniFile::~TIniFile() = default;

const std::string& TIniFile::FileName() const { return path_; }

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const Content::Section* found = content_->Find(section);
  const Entry* entry = found ? found->FindKey(key) : nullptr;
  if (!entry) return std::string(defaultValue);
  return entry->value.substr(0, kValueLimit);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
  const Content::Section* found = content_->Find(section);
  const Entry* entry = found ? found->FindKey(key) : nullptr;
  if (!entry) return defaultValue;
  // TryStrToInt already takes "0x" as hexadecimal, as the class library's
  // ReadInteger does by turning it into "$".
  return TryStrToInt(std::string_view(entry->value).substr(0, kValueLimit)).value_or(defaultValue);
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Content::Section* found = content_->Find(section)) {
    for (const Entry& entry : found->entries)
      if (entry.isKey) keys.push_back(entry.key);
  }
  return keys;
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < content_->sections.size(); ++i) {
    const std::string& name = content_->sections[i].name;
    if (content_->firstSection.at(name) == i) names.push_back(name);
  }
  return names;
}

bool TIniFile::SectionExists(std::string_view section) const {
  const Content::Section* found = content_->Find(section);
  return found && !found->firstKey.empty();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  const Content::Section* found = content_->Find(section);
  return found && found->FindKey(key);
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = Trim(key);
  // Names that would read back as other lines would corrupt the file.
  if (HasLineBreak(sectionName) || sectionName.find(']') != std::string_view::npos) return false;
  if (keyName.empty() || HasLineBreak(keyName) || keyName.find('=') != std::string_view::npos ||
      keyName.front() == '[' || keyName.front() == ';')
    return false;
  const std::string written = ValueAsWritten(value);

  Content::Section* found = content_->Find(sectionName);
  if (!found) {
    found = &content_->Append(std::string(sectionName), "[" + std::string(sectionName) + "]");
  }
  if (Entry* entry = found->FindKey(keyName)) {
    *entry = MakeKeyEntry(entry->key, written);
  } else {
    found->InsertKey(MakeKeyEntry(keyName, written));
  }
  return Flush();
}

bool TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::EraseSection(std::string_view section) {
  auto& sections = content_->sections;
  if (!content_->Find(section)) return true;
  std::erase_if(sections, [&](const Content::Section& s) { return SameText(s.name, Trim(section)); });
  content_->Reindex();
  return Flush();
}

bool TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  Content::Section* found = content_->Find(section);
  if (!found) return true;
  return found->EraseKey(key) == 0 || Flush();
}

bool TIniFile::UpdateFile() const {
  try {
    return ReplaceFileContents(path_, content_->Serialize());
  } catch (...) {
    // Serialising a huge file can run out of memory; the old file stays.
    return false;
  }
}

bool TIniFile::Flush() const {
  if (inMemory_) return true;
  return OverwriteFileContents(path_, content_->Serialize());
}

std::string SettledIniValue(std::string_view value) {
  const std::string oneLine = WithoutLineBreaks(value);
  std::string_view settled = oneLine;
  while (AsRead(settled) != settled) settled = AsRead(settled);
  return std::string(settled);
}

}  // namespace platform
