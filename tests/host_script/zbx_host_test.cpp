// zbx_host as a whole, against stand-in engines built with the descriptions:
// what it reports, what reaches the library, and what it refuses.
#include <gtest/gtest.h>

#include <string>

#include "host_process.h"

namespace host_test {
namespace {

constexpr int kScriptStopped = 1;
constexpr int kCannotStart = 2;

TEST(ZbxHost, RunsAScriptThroughEveryKindOfCall) {
  ScratchFolder scratch;
  const auto script = scratch.Write("run.txt",
                                    "zBxCreateReport(fileLocation^\"r.qnf\")\r\n"
                                    "zBxBeginRegion(\"Region1\")\r\n"
                                    "     Result:=zBxSetVariable(\"VAR1\",\"abc\")\r\n"
                                    "     zBxSetVariable(\"VAR2\",Result)\r\n"
                                    "zBxEndRegion()\r\n"
                                    "zBxSetHighlight(\"VAR2\",\"10\",\"greaterThan\")\r\n"
                                    "zBxPrintGraphicFile(\"pic.bmp\",1,2,3)\r\n"
                                    "zBxPrintScreen(4,5,6)\r\n"
                                    "zBxPrintWindow(1000,1,2,3)\r\n"
                                    "zBxPrintFile(\"none.txt\")\r\n"
                                    "zBxPreviewReport()\r\n"
                                    "zBxPrintWithDialog()\r\n"
                                    "zBxPrintReport()\r\n"
                                    "zBxFreeReport()\r\n");
  const std::string folder = scratch.Path().string() + "/";
  const HostRun run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_GOOD, script.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "stub create [" + folder + "r.qnf]\n"
            "zBxCreateReport(\"" + folder + "r.qnf\") = 0\n"
            "stub begin [Region1]\n"
            "zBxBeginRegion(\"Region1\") = 0\n"
            "stub set [VAR1] [abc]\n"
            "zBxSetVariable(\"VAR1\", \"abc\") = 3\n"
            "stub set [VAR2] [3]\n"
            "zBxSetVariable(\"VAR2\", \"3\") = 1\n"
            "stub end\n"
            "zBxEndRegion() = 0\n"
            "stub highlight [VAR2] [10] [greaterThan]\n"
            "zBxSetHighlight(\"VAR2\", \"10\", \"greaterThan\") = 0\n"
            "stub graphic [pic.bmp]\n"
            "zBxPrintGraphicFile(\"pic.bmp\", 1, 2, 3) = 123\n"
            "zBxPrintScreen(4, 5, 6) = 456\n"
            "zBxPrintWindow(1000, 1, 2, 3) = 877\n"
            "zBxPrintFile(\"none.txt\") = -1\n"
            "zBxPreviewReport() = 7\n"
            "zBxPrintWithDialog() = 0\n"
            "stub print\n"
            "zBxPrintReport() = 0\n"
            "stub free\n"
            "zBxFreeReport() = 0\n");
}

TEST(ZbxHost, FileLocationIsTheAbsoluteFolderOfTheScript) {
  ScratchFolder scratch;
  scratch.Write("where.txt", "zBxBeginRegion(fileLocation)\n");
  const HostRun run = RunProgram(
      scratch, {"sh", "-c", "cd \"$0\" && exec \"$1\" \"$2\" ./where.txt", scratch.Path().string(),
                ZBX_HOST_PATH, FIXTURE_GOOD});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "stub begin [" + scratch.Path().string() + "/]\n" +
                         "zBxBeginRegion(\"" + scratch.Path().string() + "/\") = 0\n");
}

TEST(ZbxHost, RefusesAScriptErrorBeforeCallingAnything) {
  ScratchFolder scratch;
  const auto script = scratch.Write("bad.txt",
                                    "zBxCreateReport(fileLocation^\"r.qnf\")\n"
                                    "-- the next call is misspelt\n"
                                    "zBxStartRegion(\"Region1\")\n"
                                    "zBxFreeReport()\n");
  const HostRun run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_GOOD, script.string()});
  EXPECT_EQ(run.exitCode, kScriptStopped);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "zbx_host: " + script.string() + ", line 3: unknown function \"zBxStartRegion\"\n");
}

TEST(ZbxHost, StopsAtTheLineWhereAValueDoesNotFit) {
  ScratchFolder scratch;
  const auto script = scratch.Write("stop.txt",
                                    "zBxPrintReport()\n"
                                    "zBxPrintScreen(1,\"wide\",2)\n"
                                    "zBxFreeReport()\n");
  const HostRun run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_GOOD, script.string()});
  EXPECT_EQ(run.exitCode, kScriptStopped);
  EXPECT_EQ(run.out, "stub print\nzBxPrintReport() = 0\n");
  EXPECT_EQ(run.err, "zbx_host: " + script.string() +
                         ", line 2: argument 2 of zBxPrintScreen is not an integer: \"wide\"\n");
}

TEST(ZbxHost, RefusesLibrariesItCannotTrust) {
  ScratchFolder scratch;
  const auto script = scratch.Write("run.txt", "zBxFreeReport()\n");
  const std::string prefix = "zbx_host: refusing ";

  HostRun run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_MISSING_FUNCTION, script.string()});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, prefix + FIXTURE_MISSING_FUNCTION +
                         ": the library does not describe zBxPrintWindow\n");

  run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_WRONG_LETTERS, script.string()});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.err, prefix + FIXTURE_WRONG_LETTERS +
                         ": zBxSetVariable is described with the argument letters \"S\", not \"SS\"\n");

  run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_MISSING_SYMBOL, script.string()});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, prefix + FIXTURE_MISSING_SYMBOL +
                         ": the library describes zBxPrintScreen but does not export it\n");

  run = RunProgram(scratch, {ZBX_HOST_PATH, script.string(), script.string()});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.err, prefix + script.string() + ": not an ELF file\n");

  run = RunProgram(scratch, {ZBX_HOST_PATH, scratch.Path().string(), script.string()});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.err, prefix + scratch.Path().string() + ": not a regular file\n");
}

TEST(ZbxHost, NeedsBothArgumentsAndAReadableScript) {
  ScratchFolder scratch;
  HostRun run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_GOOD});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.err, "usage: zbx_host <path to libzbx_qn.so> <script>\n");

  const std::string missing = (scratch.Path() / "missing.txt").string();
  run = RunProgram(scratch, {ZBX_HOST_PATH, FIXTURE_GOOD, missing});
  EXPECT_EQ(run.exitCode, kCannotStart);
  EXPECT_EQ(run.err.rfind("zbx_host: cannot read " + missing + ": ", 0), 0u) << run.err;
}

}  // namespace
}  // namespace host_test
