#pragma once
// Matches every call of a parsed script against the library's descriptions
// before anything runs, so that a faulty script never leaves a report half
// driven.
#include "host/host_descriptions.h"
#include "host/script.h"

namespace host {

// Throws ScriptError for the first call of a function the descriptions do
// not list or with another number of arguments than described.
void CheckCalls(const Script& script, const HostDescriptions& descriptions);

}  // namespace host
