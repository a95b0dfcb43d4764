#include "engine/item_files.h"

#include "engine/engine_state.h"
#include "engine/report_model.h"
#include "engine/template_items.h"
#include "engine/value_variant.h"
#include "platform/system/file_paths.h"

namespace engine {

std::string ResolveItemFile(const TInstancePair& entry) {
  if (ErrorFlag() || entry.item == nullptr) return {};
  const rcGraphicRegion* record = std::get_if<rcGraphicRegion>(&entry.item->Data);
  if (record == nullptr) record = std::get_if<rcRichText>(&entry.item->Data);
  if (record == nullptr) return {};

  std::string name = record->FileName;
  if (name == "DYNAMIC") name = entry.value ? VariantToText(entry.value->value) : std::string();
  if (name.empty()) return {};

  std::string candidate = ComposeItemPath(TemplateFolder(), record->FileLocation, name);
  if (platform::FileExists(candidate)) return candidate;
  ShowMessage("Tessel: File does not exist \"" + candidate + "\" ");
  SetErrorFlag();
  return {};
}

}  // namespace engine
