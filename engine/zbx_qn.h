#pragma once
/* The thirteen functions of the report engine library zbx_qn, as a host calls
 * them. Strings are zero-terminated Windows-1252 text; a null pointer counts
 * as the empty text. Every function returns a 32-bit integer, 0 except where
 * noted. */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZBX_EXPORT __attribute__((visibility("default")))

ZBX_EXPORT int32_t zBxCreateReport(const char* FileName);
ZBX_EXPORT int32_t zBxFreeReport(void);
ZBX_EXPORT int32_t zBxBeginRegion(const char* regionName);
ZBX_EXPORT int32_t zBxEndRegion(void);
ZBX_EXPORT int32_t zBxSetVariable(const char* varName, const char* varVal);
ZBX_EXPORT int32_t zBxSetHighlight(const char* VarName, const char* NewHLValue,
                                   const char* NewHLWhen);
ZBX_EXPORT int32_t zBxPrintReport(void);
ZBX_EXPORT int32_t zBxPreviewReport(void);
ZBX_EXPORT int32_t zBxPrintWithDialog(void);
/* -1 when the file does not exist. */
ZBX_EXPORT int32_t zBxPrintFile(const char* FileName);
ZBX_EXPORT int32_t zBxPrintGraphicFile(const char* FileName, int32_t Orientation,
                                       int32_t PrintScale, int32_t Position);
ZBX_EXPORT int32_t zBxPrintScreen(int32_t Orientation, int32_t PrintScale, int32_t Position);
ZBX_EXPORT int32_t zBxPrintWindow(int32_t WindowHandle, int32_t Orientation,
                                  int32_t PrintScale, int32_t Position);

#ifdef __cplusplus
}
#endif
