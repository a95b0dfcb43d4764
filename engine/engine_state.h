#pragma once
// The state the report calls share: the error flag, the report-loaded flag
// and the template folder. The flag freezes every report call until the next
// zBxCreateReport clears it.
#include <string>

namespace engine {

bool ErrorFlag();
void SetErrorFlag();
void ClearErrorFlag();

bool ReportLoaded();
void SetReportLoaded(bool loaded);

// Windows text, without a final "\" unless it follows ":" or "\".
const std::string& TemplateFolder();
void SetTemplateFolder(std::string folder);

// The engine's error box; every text begins "Tessel: ".
void ShowMessage(const std::string& text);

}  // namespace engine
