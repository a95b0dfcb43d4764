// The C boundary: each export copies its string arguments at once and lets
// nothing unwind into the host, which could not catch it.
#include <exception>
#include <string>

#include "engine/direct_print.h"
#include "engine/engine_state.h"
#include "engine/report_calls.h"
#include "engine/zbx_qn.h"

namespace {

std::string HostText(const char* text) {
  return text != nullptr ? std::string(text) : std::string();
}

void ShowFailure(const char* cause) noexcept {
  try {
    engine::ShowMessage(std::string("Tessel: ") + cause);
  } catch (...) {
    // Not even the message could be made; the result must still return.
  }
}

// The report calls stop behind the error flag after a failure; direct
// printing never touches that flag.
enum class Call { Report, DirectPrint };

template <class Body>
int32_t Guarded(Call call, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::exception& failure) {
    ShowFailure(failure.what());
  } catch (...) {
    ShowFailure("Unexpected failure.");
  }
  if (call == Call::Report) engine::SetErrorFlag();
  return 0;
}

}  // namespace

int32_t zBxCreateReport(const char* FileName) {
  return Guarded(Call::Report, [&] {
    engine::CreateReport(HostText(FileName));
    return 0;
  });
}

int32_t zBxFreeReport(void) {
  return Guarded(Call::Report, [] {
    engine::FreeReport();
    return 0;
  });
}

int32_t zBxBeginRegion(const char* regionName) {
  return Guarded(Call::Report, [&] {
    engine::BeginRegion(HostText(regionName));
    return 0;
  });
}

int32_t zBxEndRegion(void) {
  return Guarded(Call::Report, [] {
    engine::EndRegion();
    return 0;
  });
}

int32_t zBxSetVariable(const char* varName, const char* varVal) {
  return Guarded(Call::Report, [&] {
    const std::string name = HostText(varName);
    const std::string value = HostText(varVal);
    engine::SetVariable(name, value);
    return 0;
  });
}

int32_t zBxSetHighlight(const char* VarName, const char* NewHLValue, const char* NewHLWhen) {
  return Guarded(Call::Report, [&] {
    const std::string name = HostText(VarName);
    const std::string value = HostText(NewHLValue);
    const std::string when = HostText(NewHLWhen);
    engine::SetHighlight(name, value, when);
    return 0;
  });
}

int32_t zBxPrintReport(void) {
  return Guarded(Call::Report, [] {
    engine::PrintReport();
    return 0;
  });
}

int32_t zBxPreviewReport(void) {
  return Guarded(Call::Report, [] {
    engine::PreviewReport();
    return 0;
  });
}

int32_t zBxPrintWithDialog(void) {
  return Guarded(Call::Report, [] {
    engine::PrintWithDialog();
    return 0;
  });
}

int32_t zBxPrintFile(const char* FileName) {
  return Guarded(Call::DirectPrint, [&] { return engine::PrintFile(HostText(FileName)); });
}

int32_t zBxPrintGraphicFile(const char* FileName, int32_t Orientation, int32_t PrintScale,
                            int32_t Position) {
  return Guarded(Call::DirectPrint, [&] {
    engine::PrintGraphicFile(HostText(FileName), Orientation, PrintScale, Position);
    return 0;
  });
}

int32_t zBxPrintScreen(int32_t Orientation, int32_t PrintScale, int32_t Position) {
  return Guarded(Call::DirectPrint, [&] {
    engine::PrintScreenCapture(Orientation, PrintScale, Position);
    return 0;
  });
}

int32_t zBxPrintWindow(int32_t WindowHandle, int32_t Orientation, int32_t PrintScale,
                       int32_t Position) {
  return Guarded(Call::DirectPrint, [&] {
    engine::PrintWindowCapture(WindowHandle, Orientation, PrintScale, Position);
    return 0;
  });
}
