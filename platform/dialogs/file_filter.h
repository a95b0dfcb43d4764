#pragma once
// Internal to the platform's dialogs: the class library's file filter
// ("Report File|*.qnf|All|*.*") as Qt's name filters
// ("Report File (*.qnf);;All (*.*)").
#include <QString>

#include <string>

namespace platform {

// filter is Windows-1252; a description without its patterns is left out.
QString QtNameFilters(const std::string& filter);

}  // namespace platform
