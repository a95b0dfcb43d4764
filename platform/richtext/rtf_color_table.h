#pragma once
// The colours of an RTF colour table by index. An entry without any of
// \red, \green, \blue is the automatic colour (the default text colour).
#include <QColor>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class RtfColorTable {
 public:
  // Components are clamped to 0..255.
  void SetRed(int32_t value);
  void SetGreen(int32_t value);
  void SetBlue(int32_t value);
  void EndEntry();  // the ";" after an entry

  bool Contains(int32_t index) const;
  // Nullopt for the automatic colour; call only for an index it contains.
  std::optional<QColor> At(int32_t index) const;

 private:
  std::vector<std::optional<QColor>> entries_;
  int red_ = 0;
  int green_ = 0;
  int blue_ = 0;
  bool given_ = false;
};

}  // namespace platform
