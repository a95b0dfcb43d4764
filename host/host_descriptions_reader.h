#pragma once
// Reads the "DLL_HEADER" descriptions of the report engine: resource 1 lists
// the function names (each zero-terminated, the list ended by an empty name);
// one resource per function, named by its name in upper case, holds four
// zero-terminated fields (empty, result letter, argument letters, prototype).
#include <vector>

#include "host/elf_resources.h"
#include "host/function_description.h"
#include "host/host_descriptions.h"

namespace host {

// The thirteen functions every report engine must describe, with the
// argument letters a host relies on to call them.
const std::vector<FunctionDescription>& RequiredFunctions();

// Throws HostError when the descriptions are damaged, when one of the
// required functions is missing or has other argument letters, or when a
// listed function has argument letters this host cannot call.
HostDescriptions ReadHostDescriptions(const ElfResources& resources);

}  // namespace host
