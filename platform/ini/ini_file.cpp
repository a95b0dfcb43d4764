#include "platform/ini/ini_file.h"

#include <fstream>
#include <sstream>
#include <unordered_map>
#include <utility>

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

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

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
      entry.value = std::string(Unquote(Trim(body.substr(equals + 1))));
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
  entry.value = std::string(Unquote(Trim(value)));
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

std::string ValueWithoutLineBreaks(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

}  // namespace

struct TIniFile::Content {
  struct Section {
    std::string name;
    std::string rawHeader;
    std::vector<Entry> entries;
  };
  // Lines before the first section header belong to no section.
  std::vector<Entry> preamble;
  std::vector<Section> sections;

  // Lower-cased name to the index of its first section: large templates have
  // thousands of sections, each looked up several times.
  std::unordered_map<std::string, std::size_t> firstSection;

  Section* Find(std::string_view name) {
    const auto it = firstSection.find(LowerCase(Trim(name)));
    return it == firstSection.end() ? nullptr : &sections[it->second];
  }

  Section& Append(std::string name, std::string rawHeader) {
    firstSection.emplace(LowerCase(name), sections.size());
    sections.push_back(Section{std::move(name), std::move(rawHeader), {}});
    return sections.back();
  }

  void Reindex() {
    firstSection.clear();
    for (std::size_t i = 0; i < sections.size(); ++i) firstSection.emplace(LowerCase(sections[i].name), i);
  }
  const Section* Find(std::string_view name) const { return const_cast<Content*>(this)->Find(name); }

  static Entry* FindKey(Section& section, std::string_view key) {
    const std::string_view wanted = Trim(key);
    for (Entry& entry : section.entries)
      if (entry.isKey && SameText(entry.key, wanted)) return &entry;
    return nullptr;
  }
  static const Entry* FindKey(const Section& section, std::string_view key) {
    return FindKey(const_cast<Section&>(section), key);
  }

  void Parse(const std::string& bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t end = bytes.find('\n', start);
      if (end == std::string::npos) end = bytes.size();
      std::string raw = bytes.substr(start, end - start);
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      start = end + 1;
      std::string name;
      if (ParseSectionHeader(raw, name)) {
        Append(std::move(name), std::move(raw));
      } else if (sections.empty()) {
        preamble.push_back(ParseEntry(std::move(raw)));
      } else {
        sections.back().entries.push_back(ParseEntry(std::move(raw)));
      }
    }
  }

  std::string Serialize() const {
    std::string out;
    for (const Entry& entry : preamble) out.append(entry.raw).append(kLineEnd);
    for (const Section& section : sections) {
      out.append(section.rawHeader).append(kLineEnd);
      for (const Entry& entry : section.entries) out.append(entry.raw).append(kLineEnd);
    }
    return out;
  }
};

TIniFile::TIniFile(std::string nativePath) : path_(std::move(nativePath)), content_(std::make_unique<Content>()) {
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return;
  content_->Parse(bytes.str());
}

TIniFile::~TIniFile() = default;

const std::string& TIniFile::FileName() const { return path_; }

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  const Content::Section* found = content_->Find(section);
  const Entry* entry = found ? Content::FindKey(*found, key) : nullptr;
  if (!entry) return std::string(defaultValue);
  return entry->value.substr(0, kValueLimit);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
  const Content::Section* found = content_->Find(section);
  const Entry* entry = found ? Content::FindKey(*found, key) : nullptr;
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
    if (content_->firstSection.at(LowerCase(name)) == i) names.push_back(name);
  }
  return names;
}

bool TIniFile::SectionExists(std::string_view section) const { return !ReadSection(section).empty(); }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  const Content::Section* found = content_->Find(section);
  return found && Content::FindKey(*found, key);
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = Trim(key);
  // Names that would read back as other lines would corrupt the file.
  if (HasLineBreak(sectionName) || sectionName.find(']') != std::string_view::npos) return false;
  if (keyName.empty() || HasLineBreak(keyName) || keyName.find('=') != std::string_view::npos ||
      keyName.front() == '[' || keyName.front() == ';')
    return false;
  const std::string oneLine = ValueWithoutLineBreaks(value);

  Content::Section* found = content_->Find(sectionName);
  if (!found) {
    found = &content_->Append(std::string(sectionName), "[" + std::string(sectionName) + "]");
  }
  if (Entry* entry = Content::FindKey(*found, keyName)) {
    *entry = MakeKeyEntry(entry->key, oneLine);
  } else {
    // After the last key, so that blank or comment lines closing the
    // section stay between it and the next section.
    std::size_t position = 0;
    for (std::size_t i = 0; i < found->entries.size(); ++i)
      if (found->entries[i].isKey) position = i + 1;
    found->entries.insert(found->entries.begin() + static_cast<std::ptrdiff_t>(position), MakeKeyEntry(keyName, oneLine));
  }
  return Flush();
}

bool TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::EraseSection(std::string_view section) {
  auto& sections = content_->sections;
  const std::size_t before = sections.size();
  std::erase_if(sections, [&](const Content::Section& s) { return SameText(s.name, Trim(section)); });
  content_->Reindex();
  return sections.size() == before || Flush();
}

bool TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  Content::Section* found = content_->Find(section);
  if (!found) return true;
  const std::size_t removed = std::erase_if(
      found->entries, [&](const Entry& entry) { return entry.isKey && SameText(entry.key, Trim(key)); });
  return removed == 0 || Flush();
}

bool TIniFile::Flush() const {
  const std::string bytes = content_->Serialize();
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace platform
