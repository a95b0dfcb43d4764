#pragma once
// The geometry the pagination decides with: overlap and "starts at a title's
// bottom edge" tests, parent chains, collisions with placed items, inches to
// layout units. Layout units are 1/100 inch; sums saturate at the 32-bit
// range instead of wrapping.
#include <cstdint>
#include <string>

#include "engine/page_layout.h"
#include "engine/template_items.h"
#include "platform/drawing/geometry.h"

namespace engine {

// InParentChain over the given root list (the list PARENT names are looked
// up in). A PARENT cycle gives false.
bool InParentChain(const TemplateList& root, const rcDefItem& item, const std::string& name);

// Q collides with the candidate C: a container in the candidate's parent
// chain when C sticks out below it, anything else when it overlaps C and
// starts lower than C.
bool PlacedItemCollides(const platform::TRect& q, bool inParentChain, const platform::TRect& c);

// CollidesOnPage for one page of placed items; item is the candidate's
// template item.
bool CollidesOnPage(const TemplateList& root, const TPage& page, const rcDefItem& item,
                    const platform::TRect& candidate);

// Trunc(inches x 100), except that a product binary floating point leaves a
// hair below or above a whole unit counts as that unit.
int32_t InchesToUnits(double inches);

int32_t RectHeight(const platform::TRect& rect);
platform::TRect ShiftedRect(const platform::TRect& rect, int64_t dx, int64_t dy);
int32_t SaturatedUnits(int64_t value);

}  // namespace engine
