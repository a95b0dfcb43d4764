#include "engine/template_items.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace engine {
namespace {

int32_t ClampedSum(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

template <class Record>
constexpr bool kHasChildren =
    std::is_same_v<Record, rcFixedRegion> || std::is_same_v<Record, rcTitleRegion> ||
    std::is_same_v<Record, rcShapeRegion>;

template <class List, class Item>
List* ChildListOf(Item& item) {
  return std::visit(
      [](auto& record) -> List* {
        using Record = std::decay_t<decltype(record)>;
        if constexpr (kHasChildren<Record>) {
          return &record.Children;
        } else {
          return nullptr;
        }
      },
      item.Data);
}

}  // namespace

const rcItemBox* BoxOf(const rcDefItem& item) {
  return std::visit(
      [](const auto& record) -> const rcItemBox* {
        using Record = std::decay_t<decltype(record)>;
        if constexpr (std::is_base_of_v<rcItemBox, Record>) {
          return &record;
        } else {
          return nullptr;
        }
      },
      item.Data);
}

TemplateList* ChildrenOf(rcDefItem& item) { return ChildListOf<TemplateList>(item); }

const TemplateList* ChildrenOf(const rcDefItem& item) {
  return ChildListOf<const TemplateList>(item);
}

platform::TRect GetItemRect(const rcDefItem& item) {
  const rcItemBox* box = BoxOf(item);
  if (box == nullptr) return {};
  return {box->Left, box->Top, ClampedSum(box->Left, box->Width),
          ClampedSum(box->Top, box->Height)};
}

}  // namespace engine
