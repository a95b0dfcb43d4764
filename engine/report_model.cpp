#include "engine/report_model.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/engine_state.h"
#include "engine/instance_stack.h"
#include "engine/template_reader.h"
#include "platform/system/locale_settings.h"
#include "platform/text/number_text.h"

namespace engine {
namespace {

// Frees a whole instance tree with a worklist: the tree depth follows the
// host's nesting, and freeing must not take stack in proportion to it.
void FreeInstanceList(InstanceList& list) {
  std::vector<InstanceList> pending;
  pending.push_back(std::move(list));
  list.clear();
  while (!pending.empty()) {
    InstanceList current = std::move(pending.back());
    pending.pop_back();
    for (auto& pair : current) {
      if (pair && pair->region && !pair->region->children.empty())
        pending.push_back(std::move(pair->region->children));
    }
  }
}

struct ModelState {
  InstanceList topLevel;
  TStack openRegions;
  bool runtimeFailure = false;
  int32_t readyMarker = 0;

  ModelState() = default;
  ModelState(const ModelState&) = delete;
  ModelState& operator=(const ModelState&) = delete;
  ~ModelState() { FreeInstanceList(topLevel); }
};

ModelState& Model() {
  static ModelState state;
  return state;
}

bool Refusing() {
  const ModelState& model = Model();
  return model.runtimeFailure || model.readyMarker != kReadyMarker;
}

bool IsStyleKind(uint8_t itemType) { return itemType == kReportStyle || itemType == kTextStyle; }

bool AcceptsValue(uint8_t itemType) {
  return itemType == kVariable || itemType == kImageRegion || itemType == kRichTextRegion;
}

void ShowVariableNotFound(const std::string& name) {
  ShowMessage("Tessel: Variable \"" + name + "\" not found in current region.");
}

rcDefItem* FindChildOfOpenRegion(const std::string& name) {
  ModelState& model = Model();
  TInstancePair* open = model.openRegions.Peek();
  if (!open) {
    model.runtimeFailure = true;
    return nullptr;
  }
  if (Refusing()) return nullptr;
  if (TemplateList* children = open->item ? ChildrenOf(*open->item) : nullptr) {
    for (auto& child : *children) {
      if (child && !IsStyleKind(child->ItemType) && child->Name == name) return child.get();
    }
  }
  ShowVariableNotFound(name);
  model.runtimeFailure = true;
  return nullptr;
}

InstanceList& OpenList() {
  ModelState& model = Model();
  TInstancePair* open = model.openRegions.Peek();
  return open ? open->region->children : model.topLevel;
}

// The variable's value by its VARTYPE; nothing when the text does not convert.
std::optional<Variant> ConvertVariableText(const rcVariable& variable, const std::string& text) {
  switch (variable.VarType) {
    case kVarString:
      return Variant{text};
    case kVarInteger:
      if (std::optional<int32_t> whole = platform::TryStrToInt(text)) return Variant{*whole};
      return std::nullopt;
    case kVarFloatingPoint:
      if (std::optional<double> real = platform::TryStrToFloat(text, platform::DecimalSeparator()))
        return Variant{*real};
      return std::nullopt;
    default:
      // System values are made by the page drawing; an unknown type shows nothing.
      return Variant{};
  }
}

// A region closing with values: the first master variable among its direct
// children hands its highlight to the followers.
void LinkToMaster(InstanceList& children) {
  TInstancePair* master = nullptr;
  for (auto& child : children) {
    if (child->item->ItemType == kVariable && child->item->As<rcVariable>().IsMaster) {
      master = child.get();
      break;
    }
  }
  if (!master) return;
  for (auto& child : children) {
    if (child->item->ItemType != kVariable || !child->value) continue;
    if (child->item->As<rcVariable>().HighlightWhen == kHlMasterHighlighted) {
      child->value->master = master;
      child->value->highlighted = master->value->highlighted;
    } else {
      child->value->master = nullptr;
    }
  }
}

}  // namespace

InstanceList& InitInstances() {
  ModelState& model = Model();
  FreeInstanceList(model.topLevel);
  model.openRegions = TStack{};
  model.runtimeFailure = false;
  model.readyMarker = kReadyMarker;
  return model.topLevel;
}

InstanceList& GetInstanceList() { return Model().topLevel; }

const rcDefItem* FindVariableInCurrentRegion(const std::string& name) {
  return FindChildOfOpenRegion(name);
}

bool BeginRegionInstance(TemplateList& rootList, const std::string& regionName) {
  ModelState& model = Model();
  rcDefItem* item = nullptr;
  if (model.openRegions.Count() < kMaxOpenRegions) {
    // With none open, any region of the template can be entered, nested or
    // not; a text style sharing the name is passed over by the lookup.
    item = model.openRegions.Count() == 0 ? FindTemplateItem(rootList, regionName)
                                          : FindChildOfOpenRegion(regionName);
  }
  if (!item || !IsContainer(item->ItemType) || Refusing()) {
    model.runtimeFailure = true;
    ShowMessage("Tessel: Region \"" + regionName + "\" not found in zBXStartRegion.");
    return false;
  }

  auto pair = std::make_unique<TInstancePair>();
  pair->item = item;
  pair->region = std::make_unique<TRegionInstance>();
  pair->region->rect = GetItemRect(*item);
  TInstancePair* entered = pair.get();
  OpenList().push_back(std::move(pair));
  model.openRegions.Push(entered);
  return true;
}

bool EndRegionInstance() {
  ModelState& model = Model();
  if (Refusing() || model.openRegions.Count() == 0) return false;

  TInstancePair* closing = model.openRegions.Pop();
  InstanceList& children = closing->region->children;
  if (!children.empty()) {
    LinkToMaster(children);
    return true;
  }
  // An instance that received nothing is never laid out: it goes at once.
  InstanceList& holder = OpenList();
  auto found = std::find_if(holder.rbegin(), holder.rend(),
                            [closing](const auto& entry) { return entry.get() == closing; });
  if (found != holder.rend()) holder.erase(std::next(found).base());
  return true;
}

bool SetVariableValue(const std::string& name, const std::string& text) {
  ModelState& model = Model();
  if (Refusing()) return false;
  rcDefItem* item = FindChildOfOpenRegion(name);
  if (!item) return false;
  if (!AcceptsValue(item->ItemType)) {
    ShowVariableNotFound(name);
    model.runtimeFailure = true;
    return false;
  }

  auto data = std::make_unique<rcVariableData>();
  if (item->ItemType == kVariable) {
    const rcVariable& variable = item->As<rcVariable>();
    std::optional<Variant> converted = ConvertVariableText(variable, text);
    if (!converted) {
      ShowMessage("Tessel: Data conversion error for \"" + name + "\", \"" + text + "\". \"");
      model.runtimeFailure = true;
      return false;
    }
    data->value = std::move(*converted);
    try {
      data->highlighted =
          EvaluateHighlight(variable.HighlightWhen, data->value, variable.HighlightValue);
    } catch (const VariantError&) {
      ShowMessage("Tessel: ZbxSetVariable \"" + name + "\" invalid: \"" +
                  VariantToText(variable.HighlightValue) + "\".");
      return false;
    }
  } else {
    // Image and rich-text items take the text as the file name to show.
    data->value = text;
  }

  auto pair = std::make_unique<TInstancePair>();
  pair->item = item;
  pair->value = std::move(data);
  OpenList().push_back(std::move(pair));
  return true;
}

void FreeInstances() {
  ModelState& model = Model();
  FreeInstanceList(model.topLevel);
  model.openRegions = TStack{};
  // Nothing is left to add values to until the next InitInstances.
  model.readyMarker = 0;
}

}  // namespace engine
