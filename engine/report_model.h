#pragma once
// The run-time report model: the region instances the host entered, in
// nesting and call order, with the values set inside each.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/template_items.h"
#include "engine/value_variant.h"
#include "platform/drawing/geometry.h"

namespace engine {

struct TInstancePair;
struct TRegionInstance;
struct rcVariableData;

// Owns its pairs.
using InstanceList = std::vector<std::unique_ptr<TInstancePair>>;

struct TRegionInstance {
  bool placed = false;
  platform::TRect rect;
  InstanceList children;
  platform::TRect titleRect;
  int32_t titlePage = 0;
  bool titlePlaced = false;
  int32_t titleHeight = 0;
};

struct rcVariableData {
  Variant value;
  bool highlighted = false;
  TInstancePair* master = nullptr;
};

// An instance (region) or a value. item is not owned; data is.
struct TInstancePair {
  rcDefItem* item = nullptr;
  std::unique_ptr<TRegionInstance> region;  // set by BeginRegionInstance
  std::unique_ptr<rcVariableData> value;    // set by SetVariableValue
};

inline constexpr int32_t kReadyMarker = 1014;
// Deeper BeginRegionInstance calls are refused like a region not found, so a
// hostile host cannot nest without bound.
inline constexpr int kMaxOpenRegions = 256;

InstanceList& InitInstances();
InstanceList& GetInstanceList();
const rcDefItem* FindVariableInCurrentRegion(const std::string& name);
bool BeginRegionInstance(TemplateList& rootList, const std::string& regionName);
bool EndRegionInstance();
bool SetVariableValue(const std::string& name, const std::string& text);
void FreeInstances();

// Highlight test with the value on the left; throws VariantError when the two
// sides cannot be compared.
struct VariantError {};
bool EvaluateHighlight(uint8_t highlightWhen, const Variant& value, const Variant& ruleValue);

}  // namespace engine
