#include "tests/fuzz/entries/export_calls.h"

#include <algorithm>
#include <climits>
#include <set>
#include <utility>

#include "engine/zbx_qn.h"
#include "platform/ini/ini_file.h"
#include "tests/fuzz/entries/preview_walk.h"
#include "tests/fuzz/entries/quiet_engine.h"

namespace tessel_fuzz {
namespace {

const std::vector<std::string> kTellingValues = {
    "", "0", "-1", "7", "2147483647", "2147483648", "-2147483649", "1e308", "-1e308", "3,5",
    "3.5", "nan", "inf", "0x10", " 12 ", "DYNAMIC", "logo.bmp", "photo.jpg", "emblem.bmp",
    "notes.rtf", "input.qnf", "..\\input.qnf", "missing.bmp"};

const std::vector<std::string> kConditionWords = {
    "lessThan", "greaterThan", "equals", "notEqual", "lessThanEquals", "greaterThanEquals",
    "masterHighlighted", "none", "LESSTHAN", "", "equal"};

constexpr int32_t kTellingIntegers[] = {0,       1,       2,         -1,      50,
                                        100,     200,     1000,      100000,  -100000,
                                        INT_MAX, INT_MIN, INT_MAX / 2, 0x7FFF, -0x8000};

std::string Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool KeyIs(std::string_view key, std::string_view wanted) {
  return std::equal(key.begin(), key.end(), wanted.begin(), wanted.end(),
                    [](char a, char b) { return (a & ~0x20) == (b & ~0x20); });
}

}  // namespace

std::vector<std::string> NamesInTemplate(std::string_view text) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  while (!text.empty()) {
    // Lines end as the reader ends them: at CR, LF or both.
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string key = Trimmed(line.substr(0, equals));
    if (!KeyIs(key, "NAME") && !KeyIs(key, "STYLENAME")) continue;
    std::string value = platform::SettledIniValue(line.substr(equals + 1));
    if (seen.insert(value).second) names.push_back(std::move(value));
  }
  return names;
}

ExportCalls::ExportCalls(std::string_view bytes, ExportCallPools pools, QuietEngine& quiet)
    : bytes_(bytes), pools_(std::move(pools)), values_(pools_.names), quiet_(quiet) {
  values_.insert(values_.end(), kTellingValues.begin(), kTellingValues.end());
}

uint8_t ExportCalls::Byte() { return at_ < bytes_.size() ? static_cast<uint8_t>(bytes_[at_++]) : 0; }

int32_t ExportCalls::Integer() {
  const uint8_t pick = Byte();
  if (pick < 0x80) return kTellingIntegers[pick % std::size(kTellingIntegers)];
  uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 8) value |= uint32_t{Byte()} << shift;
  return static_cast<int32_t>(value);
}

std::string ExportCalls::RawText() {
  const std::size_t length = std::min<std::size_t>(Byte(), bytes_.size() - at_);
  std::string text(bytes_.substr(at_, length));
  at_ += length;
  return text;
}

std::string ExportCalls::Text(const std::vector<std::string>& pool) {
  const uint8_t pick = Byte();
  if (pick >= 0xC0 || pool.empty()) return RawText();
  return pool[pick % pool.size()];
}

std::string ExportCalls::File() {
  const uint8_t pick = Byte();
  if (pick < 0xC0 && !pools_.files.empty()) return pools_.files[pick % pools_.files.size()];
  std::string name = RawText();
  std::erase_if(name, [](char c) { return c == '/' || c == '\\' || c == ':' || c == '\0'; });
  return pools_.scratchFolder + "/" + name;
}

void ExportCalls::RunNext() {
  switch (Byte() % 16) {
    case 0: zBxCreateReport(File().c_str()); break;
    case 1: zBxFreeReport(); break;
    case 2:
    case 13: zBxBeginRegion(Text(pools_.names).c_str()); break;
    case 3:
    case 15: zBxEndRegion(); break;
    case 4:
    case 14: {
      const std::string name = Text(pools_.names);
      zBxSetVariable(name.c_str(), Text(values_).c_str());
      break;
    }
    case 5: {
      const std::string name = Text(pools_.names);
      const std::string value = Text(values_);
      zBxSetHighlight(name.c_str(), value.c_str(), Text(kConditionWords).c_str());
      break;
    }
    case 6: zBxPrintReport(); break;
    case 7:
      zBxPreviewReport();
      WalkPreview(Byte());
      break;
    case 8:
      quiet_.SetDialogAnswer((Byte() & 1) == 0);
      zBxPrintWithDialog();
      break;
    case 9: zBxPrintFile(File().c_str()); break;
    case 10: {
      const std::string file = File();
      const int32_t orientation = Integer();
      const int32_t scale = Integer();
      zBxPrintGraphicFile(file.c_str(), orientation, scale, Integer());
      break;
    }
    case 11: {
      const int32_t orientation = Integer();
      const int32_t scale = Integer();
      zBxPrintScreen(orientation, scale, Integer());
      break;
    }
    case 12: {
      const int32_t window = Integer();
      const int32_t orientation = Integer();
      const int32_t scale = Integer();
      zBxPrintWindow(window, orientation, scale, Integer());
      break;
    }
  }
}

}  // namespace tessel_fuzz
