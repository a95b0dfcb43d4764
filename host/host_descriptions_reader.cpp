#include "host/host_descriptions_reader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "host/host_error.h"
#include "platform/text/ansi_text.h"

namespace host {
namespace {

constexpr std::string_view kResourceType = "DLL_HEADER";
constexpr std::string_view kNameListId = "1";

// The call shapes this host has function pointer types for.
constexpr std::array<std::string_view, 7> kCallableLetters = {"V",   "S",   "SS",  "SSS",
                                                              "SIII", "III", "LIII"};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::vector<std::string> ReadNameList(const std::string& bytes) {
  std::vector<std::string> names;
  std::size_t position = 0;
  for (;;) {
    const std::size_t end = bytes.find('\0', position);
    if (end == std::string::npos) {
      throw HostError("the function name list (DLL_HEADER 1) is not terminated by an empty name");
    }
    if (end == position) return names;
    names.emplace_back(bytes.substr(position, end - position));
    position = end + 1;
  }
}

FunctionDescription ReadFunction(const ElfResources& resources, const std::string& name) {
  const std::string id = platform::UpperCase(name);
  const std::string* bytes = resources.Find(kResourceType, id);
  if (bytes == nullptr) {
    throw HostError("the library lists " + name + " but has no description DLL_HEADER " + id);
  }
  std::array<std::string, 4> fields;
  std::size_t position = 0;
  for (std::string& field : fields) {
    const std::size_t end = bytes->find('\0', position);
    if (end == std::string::npos) {
      throw HostError("the description DLL_HEADER " + id + " does not hold four fields");
    }
    field = bytes->substr(position, end - position);
    position = end + 1;
  }
  FunctionDescription function{name, fields[1], fields[2], fields[3]};
  if (std::find(kCallableLetters.begin(), kCallableLetters.end(), function.arguments) ==
      kCallableLetters.end()) {
    throw HostError(name + " is described with the argument letters " +
                    Quoted(function.arguments) + ", which this host cannot call");
  }
  return function;
}

}  // namespace

const std::vector<FunctionDescription>& RequiredFunctions() {
  static const std::vector<FunctionDescription> required = {
      {"zBxCreateReport", "V", "S", "zBxCreateReport(FileName)"},
      {"zBxFreeReport", "V", "V", "FreeReport()"},
      {"zBxPreviewReport", "V", "V", "Result:=zBxPreviewReport()"},
      {"zBxPrintReport", "V", "V", "Result:=zBxPrintReport()"},
      {"zBxPrintWithDialog", "V", "V", "Result:=zBxPrintWithDialog()"},
      {"zBxBeginRegion", "V", "S", "Result:=zBxBeginRegion(regionName)"},
      {"zBxEndRegion", "V", "V", "Result:=zBxEndRegion()"},
      {"zBxSetVariable", "V", "SS", "Result:=zBxSetVariable(varName,varVal)"},
      {"zBxSetHighlight", "V", "SSS",
       "Result:=zBxSetHighLight(VarName, NewHLValue , NewHLWhen)"},
      {"zBxPrintFile", "V", "S", "Result:=zBxPrintFile(FileName)"},
      {"zBxPrintGraphicFile", "V", "SIII",
       "Result:=zBxPrintGraphicFile(FileName, Orientation , PrintScale, Position)"},
      {"zBxPrintScreen", "V", "III", "Result:=zBxPrintScreen(Orientation , PrintScale, Position)"},
      {"zBxPrintWindow", "V", "LIII",
       "Result:=zBxPrintWindow(WindowHandle,Orientation , PrintScale, Position)"},
  };
  return required;
}

HostDescriptions ReadHostDescriptions(const ElfResources& resources) {
  const std::string* list = resources.Find(kResourceType, kNameListId);
  if (list == nullptr) throw HostError("the library has no function name list (DLL_HEADER 1)");

  std::vector<FunctionDescription> functions;
  for (const std::string& name : ReadNameList(*list)) {
    const bool listedBefore =
        std::any_of(functions.begin(), functions.end(), [&](const FunctionDescription& earlier) {
          return platform::SameText(earlier.name, name);
        });
    if (listedBefore) throw HostError("the library lists " + name + " twice");
    functions.push_back(ReadFunction(resources, name));
  }

  for (const FunctionDescription& required : RequiredFunctions()) {
    const auto found =
        std::find_if(functions.begin(), functions.end(),
                     [&](const FunctionDescription& listed) { return listed.name == required.name; });
    if (found == functions.end()) throw HostError("the library does not describe " + required.name);
    if (found->arguments != required.arguments) {
      throw HostError(required.name + " is described with the argument letters " +
                      Quoted(found->arguments) + ", not " + Quoted(required.arguments));
    }
  }
  return HostDescriptions(std::move(functions));
}

}  // namespace host
