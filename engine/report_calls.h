#pragma once
// The bodies of the report calls behind the exports: what each call does up
// to where it hands over to the template reader, the model, the layout, the
// drawing and the preview. They may throw; the C boundary catches.
#include <cstdint>
#include <string>

namespace engine {

void CreateReport(const std::string& fileName);
void FreeReport();
void BeginRegion(const std::string& regionName);
void EndRegion();
void SetVariable(const std::string& varName, const std::string& varVal);
void SetHighlight(const std::string& varName, const std::string& newValue,
                  const std::string& newWhen);
void PrintReport();
void PreviewReport();
void PrintWithDialog();

}  // namespace engine
