// The function descriptions a host reads from the library without calling
// it: each DLL_HEADER resource is one ELF section, ".rsrc.DLL_HEADER.<id>",
// holding exactly the resource's bytes. Nothing refers to them, hence `used`.

// A string literal's own terminator closes the last field (and, for the name
// list, makes the empty name that ends it).
#define TESSEL_DLL_HEADER(id, bytes)                                      \
  __attribute__((section(".rsrc.DLL_HEADER." #id), used)) static const char \
      kDllHeader_##id[] = bytes

// Four fields: empty, result type, argument types, prototype.
#define TESSEL_DESCRIPTION(result, arguments, prototype) \
  "" "\0" result "\0" arguments "\0" prototype

TESSEL_DLL_HEADER(1,
                  "zBxCreateReport\0"
                  "zBxFreeReport\0"
                  "zBxPreviewReport\0"
                  "zBxPrintReport\0"
                  "zBxPrintWithDialog\0"
                  "zBxBeginRegion\0"
                  "zBxEndRegion\0"
                  "zBxSetVariable\0"
                  "zBxSetHighlight\0"
                  "zBxPrintFile\0"
                  "zBxPrintGraphicFile\0"
                  "zBxPrintScreen\0"
                  "zBxPrintWindow\0");

TESSEL_DLL_HEADER(ZBXCREATEREPORT,
                  TESSEL_DESCRIPTION("V", "S", "zBxCreateReport(FileName)"));
TESSEL_DLL_HEADER(ZBXFREEREPORT, TESSEL_DESCRIPTION("V", "V", "FreeReport()"));
TESSEL_DLL_HEADER(ZBXPREVIEWREPORT,
                  TESSEL_DESCRIPTION("V", "V", "Result:=zBxPreviewReport()"));
TESSEL_DLL_HEADER(ZBXPRINTREPORT, TESSEL_DESCRIPTION("V", "V", "Result:=zBxPrintReport()"));
TESSEL_DLL_HEADER(ZBXPRINTWITHDIALOG,
                  TESSEL_DESCRIPTION("V", "V", "Result:=zBxPrintWithDialog()"));
TESSEL_DLL_HEADER(ZBXBEGINREGION,
                  TESSEL_DESCRIPTION("V", "S", "Result:=zBxBeginRegion(regionName)"));
TESSEL_DLL_HEADER(ZBXENDREGION, TESSEL_DESCRIPTION("V", "V", "Result:=zBxEndRegion()"));
TESSEL_DLL_HEADER(ZBXSETVARIABLE,
                  TESSEL_DESCRIPTION("V", "SS", "Result:=zBxSetVariable(varName,varVal)"));
TESSEL_DLL_HEADER(ZBXSETHIGHLIGHT,
                  TESSEL_DESCRIPTION("V", "SSS",
                                     "Result:=zBxSetHighLight(VarName, NewHLValue , NewHLWhen)"));
TESSEL_DLL_HEADER(ZBXPRINTFILE, TESSEL_DESCRIPTION("V", "S", "Result:=zBxPrintFile(FileName)"));
TESSEL_DLL_HEADER(ZBXPRINTGRAPHICFILE,
                  TESSEL_DESCRIPTION("V", "SIII",
                                     "Result:=zBxPrintGraphicFile(FileName, Orientation , "
                                     "PrintScale, Position)"));
TESSEL_DLL_HEADER(ZBXPRINTSCREEN,
                  TESSEL_DESCRIPTION("V", "III",
                                     "Result:=zBxPrintScreen(Orientation , PrintScale, Position)"));
TESSEL_DLL_HEADER(ZBXPRINTWINDOW,
                  TESSEL_DESCRIPTION("V", "LIII",
                                     "Result:=zBxPrintWindow(WindowHandle,Orientation , "
                                     "PrintScale, Position)"));
