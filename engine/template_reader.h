#pragma once
// Reads a template file into the item tree and offers the services the rest
// of the engine uses on it. The tree and the INI reader are module state,
// from OpenTemplate until FreeTemplate.
#include <string>

#include "engine/template_items.h"

namespace engine {

// Creates the root list and opens the INI reader on the template (Windows
// path text). Any tree of an earlier template is freed first.
TemplateList& OpenTemplate(const std::string& windowsPath);
// Appends the items the section names, recursing into containers. A section
// that is being walked already (names compared without case: a cycle),
// nesting past a sane depth, or a load that has read its bound of entries
// ends that branch with a "Tessel: " message and the error flag. Containers
// that name one section each get its controls.
void ReadTemplateSection(TemplateList& list, const std::string& section);
TemplateList& GetTemplateList();
// Frees the tree (and, for the root list, the INI reader).
void FreeTemplate();

// The report style's item name.
inline constexpr const char* kReportStyleName = "Report Style";
// The report style is found by its kind (FindTemplateItem passes over it);
// the first one of the list, or nullptr.
const rcDefItem* FindReportItem(const TemplateList& list);
// A template without a report style reads as if its [RR0] were empty.
void EnsureReportItem(TemplateList& list);

// Empty name means "DEFAULTSTYLE". Shows "Tessel: Style "<name>" not found"
// and sets the error flag when no text style has that exact name.
const rcStyle* FindStyle(const std::string& styleName);

// First control of that exact name, depth first, into fixed, repeat, title
// and shape regions. Text styles and the report style are passed over: a
// style may carry a region's name.
rcDefItem* FindTemplateItem(TemplateList& list, const std::string& name);
const rcDefItem* FindTemplateItem(const TemplateList& list, const std::string& name);

// For zBxSetHighlight; shows its own message on failure. Only variables.
bool SetHighlightRule(const std::string& variableName, const std::string& valueText,
                      const std::string& conditionWord);

// Reads a real written with either decimal separator; throws
// std::invalid_argument on text that is no number (NaN and infinities
// included).
double StrToFloatLocale(const std::string& text);

uint8_t MapBorderSides(int32_t fileBits);
uint8_t MapFillPattern(int32_t value);
uint8_t MapPenStyle(int32_t value);
uint8_t MapShape(int32_t value);

}  // namespace engine
