/* A stand-in for the report engine: the thirteen functions print what they
 * received, and the host descriptions lie in the same sections the engine
 * uses. Built in several variants, each with one fault the host must refuse:
 *   FIXTURE_MISSING_FUNCTION  zBxPrintWindow is neither listed nor described
 *   FIXTURE_WRONG_LETTERS     zBxSetVariable is described with "S"
 *   FIXTURE_MISSING_SYMBOL    zBxPrintScreen is described but not exported */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#define EXPORT __attribute__((visibility("default")))
#define DESCRIPTION(id) __attribute__((used, section(".rsrc.DLL_HEADER." id))) static const char

/* Names and fields are split into separate literals so that no "\0" can run
 * into a following digit as an octal escape. */
DESCRIPTION("1") name_list[] =
    "zBxCreateReport" "\0" "zBxFreeReport" "\0" "zBxPreviewReport" "\0" "zBxPrintReport" "\0"
    "zBxPrintWithDialog" "\0" "zBxBeginRegion" "\0" "zBxEndRegion" "\0" "zBxSetVariable" "\0"
    "zBxSetHighlight" "\0" "zBxPrintFile" "\0" "zBxPrintGraphicFile" "\0" "zBxPrintScreen" "\0"
#ifndef FIXTURE_MISSING_FUNCTION
    "zBxPrintWindow" "\0"
#endif
    ;

#define FIELDS(letters, prototype) "" "\0" "V" "\0" letters "\0" prototype
DESCRIPTION("ZBXCREATEREPORT") create_report[] = FIELDS("S", "zBxCreateReport(FileName)");
DESCRIPTION("ZBXFREEREPORT") free_report[] = FIELDS("V", "FreeReport()");
DESCRIPTION("ZBXPREVIEWREPORT") preview_report[] = FIELDS("V", "Result:=zBxPreviewReport()");
DESCRIPTION("ZBXPRINTREPORT") print_report[] = FIELDS("V", "Result:=zBxPrintReport()");
DESCRIPTION("ZBXPRINTWITHDIALOG") print_with_dialog[] = FIELDS("V", "Result:=zBxPrintWithDialog()");
DESCRIPTION("ZBXBEGINREGION") begin_region[] = FIELDS("S", "Result:=zBxBeginRegion(regionName)");
DESCRIPTION("ZBXENDREGION") end_region[] = FIELDS("V", "Result:=zBxEndRegion()");
#ifdef FIXTURE_WRONG_LETTERS
DESCRIPTION("ZBXSETVARIABLE") set_variable[] = FIELDS("S", "Result:=zBxSetVariable(varName)");
#else
DESCRIPTION("ZBXSETVARIABLE") set_variable[] =
    FIELDS("SS", "Result:=zBxSetVariable(varName,varVal)");
#endif
DESCRIPTION("ZBXSETHIGHLIGHT") set_highlight[] =
    FIELDS("SSS", "Result:=zBxSetHighLight(VarName, NewHLValue , NewHLWhen)");
DESCRIPTION("ZBXPRINTFILE") print_file[] = FIELDS("S", "Result:=zBxPrintFile(FileName)");
DESCRIPTION("ZBXPRINTGRAPHICFILE") print_graphic_file[] =
    FIELDS("SIII", "Result:=zBxPrintGraphicFile(FileName, Orientation , PrintScale, Position)");
DESCRIPTION("ZBXPRINTSCREEN") print_screen[] =
    FIELDS("III", "Result:=zBxPrintScreen(Orientation , PrintScale, Position)\r\n\r\n"
                  "Prints the whole screen.");
#ifndef FIXTURE_MISSING_FUNCTION
DESCRIPTION("ZBXPRINTWINDOW") print_window[] =
    FIELDS("LIII", "Result:=zBxPrintWindow(WindowHandle,Orientation , PrintScale, Position)");
#endif

/* Results that prove the arguments arrived in order and intact. */
EXPORT int32_t zBxCreateReport(const char* name) { printf("stub create [%s]\n", name); return 0; }
EXPORT int32_t zBxFreeReport(void) { printf("stub free\n"); return 0; }
EXPORT int32_t zBxPreviewReport(void) { return 7; }
EXPORT int32_t zBxPrintReport(void) { printf("stub print\n"); return 0; }
EXPORT int32_t zBxPrintWithDialog(void) { return 0; }
EXPORT int32_t zBxBeginRegion(const char* name) { printf("stub begin [%s]\n", name); return 0; }
EXPORT int32_t zBxEndRegion(void) { printf("stub end\n"); return 0; }
EXPORT int32_t zBxSetVariable(const char* name, const char* value) {
  printf("stub set [%s] [%s]\n", name, value);
  return (int32_t)strlen(value);
}
EXPORT int32_t zBxSetHighlight(const char* name, const char* value, const char* when) {
  printf("stub highlight [%s] [%s] [%s]\n", name, value, when);
  return 0;
}
EXPORT int32_t zBxPrintFile(const char* name) { (void)name; return -1; }
EXPORT int32_t zBxPrintGraphicFile(const char* name, int32_t a, int32_t b, int32_t c) {
  printf("stub graphic [%s]\n", name);
  return a * 100 + b * 10 + c;
}
#ifndef FIXTURE_MISSING_SYMBOL
EXPORT int32_t zBxPrintScreen(int32_t a, int32_t b, int32_t c) { return a * 100 + b * 10 + c; }
#endif
EXPORT int32_t zBxPrintWindow(int32_t handle, int32_t a, int32_t b, int32_t c) {
  return handle - (a * 100 + b * 10 + c);
}
