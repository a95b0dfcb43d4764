// TIniFile over a file holding the input: every section, key and value read
// the way the template reader reads them, then every value written to a new
// file and read back. A key and its value read as one line each, and what
// a write accepted reads back as it was given (quotes and blanks at its ends
// included); nothing may be lost on the way.
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/ini_file.h"
#include "tests/fuzz/entries/fuzz_entries.h"
#include "tests/fuzz/entries/invariant.h"
#include "tests/fuzz/entries/scratch_folder.h"

namespace tessel_fuzz::ini {
namespace {

// Every write rewrites the whole file; this keeps one input's work bounded.
constexpr std::size_t kMaxWrites = 32;
constexpr std::size_t kValueLimit = 1023;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Every line ends at CR or LF, so none is left inside a key or a value.
bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

struct Written {
  std::string section, key, value;
};

}  // namespace

int FuzzOne(const uint8_t* data, size_t size) {
  ScratchFolder scratch;
  const std::string source =
      scratch.Write("input.ini", std::string_view(reinterpret_cast<const char*>(data), size));
  const platform::TIniFile ini(source);
  platform::TIniFile copy(scratch.PathOf("copy.ini"));

  std::vector<Written> written;
  for (const std::string& section : ini.ReadSections()) {
    const std::vector<std::string> keys = ini.ReadSection(section);
    CheckInvariant(ini.SectionExists(section) == !keys.empty(),
                   "a section exists exactly when it lists a key");
    for (const std::string& key : keys) {
      CheckInvariant(ini.ValueExists(section, key), "every listed key has a value");
      const std::string value = ini.ReadString(section, key, "");
      CheckInvariant(value.size() <= kValueLimit, "a value reads as at most 1023 characters");
      CheckInvariant(!HasLineBreak(key) && !HasLineBreak(value), "a key and its value read as one line");
      CheckInvariant(!key.empty() && !IsBlank(key.front()) && !IsBlank(key.back()), "a key reads trimmed");
      (void)ini.ReadInteger(section, key, 0);
      if (written.size() < kMaxWrites && copy.WriteString(section, key, value)) {
        written.push_back({section, key, value});
      }
    }
  }

  const platform::TIniFile reread(scratch.PathOf("copy.ini"));
  for (const Written& entry : written) {
    CheckInvariant(reread.ValueExists(entry.section, entry.key), "a written key reads back");
    // A later write of the same key in another case replaced the value in
    // place; the file must hold what memory holds.
    CheckInvariant(reread.ReadString(entry.section, entry.key, "") ==
                       copy.ReadString(entry.section, entry.key, ""),
                   "a written value reads back from the file as it stands in memory");
    CheckInvariant(copy.ReadString(entry.section, entry.key, "") == entry.value,
                   "a value read, written and read again is the same");
  }
  return 0;
}

}  // namespace tessel_fuzz::ini
