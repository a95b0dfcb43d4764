#pragma once
// The text a variable shows on a page.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/report_model.h"
#include "engine/template_items.h"

namespace engine {

// data is the variable's instance value, or nullptr for a variable placed from
// the template alone. nullopt when its VARTYPE draws no text. The clock is read
// on every call, so each drawing shows the moment it was made.
std::optional<std::string> VariableText(const rcVariable& variable, const rcVariableData* data,
                                        int32_t pageNumber, int32_t pageCount);

}  // namespace engine
