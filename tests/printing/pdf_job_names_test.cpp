#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "pdf_tools.h"
#include "platform/printing/pdf_job_names.h"

namespace platform {
namespace {

TEST(PdfJobNames, NamedTargetIsNumberedFromItsSecondJob) {
  PdfJobNames names;
  EXPECT_EQ(names.NextPath("/out/report.pdf"), "/out/report.pdf");
  EXPECT_EQ(names.NextPath("/out/report.pdf"), "/out/report.pdf");  // nothing written yet
  names.CountJob("/out/report.pdf", names.NextPath("/out/report.pdf"));
  EXPECT_EQ(names.NextPath("/out/report.pdf"), "/out/report-2.pdf");
  names.CountJob("/out/report.pdf", names.NextPath("/out/report.pdf"));
  EXPECT_EQ(names.NextPath("/out/report.pdf"), "/out/report-3.pdf");
  // Another target counts on its own.
  EXPECT_EQ(names.NextPath("/out/other.pdf"), "/out/other.pdf");
}

TEST(PdfJobNames, NumberGoesBeforeTheLastExtensionOfTheFileName) {
  PdfJobNames names;
  for (const char* target : {"/a.b/out", "/x/archive.tar.pdf", "/x/.pdf"}) names.CountJob(target, names.NextPath(target));
  EXPECT_EQ(names.NextPath("/a.b/out"), "/a.b/out-2");
  EXPECT_EQ(names.NextPath("/x/archive.tar.pdf"), "/x/archive.tar-2.pdf");
  EXPECT_EQ(names.NextPath("/x/.pdf"), "/x/.pdf-2");
}

TEST(PdfJobNames, RelativeTargetsAndTheDefaultLiveInTheCurrentFolder) {
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString();
  tessel_test::ScopedCurrentFolder current(path);
  PdfJobNames names;
  EXPECT_EQ(names.NextPath("r.pdf"), path + "/r.pdf");
  names.CountJob("r.pdf", names.NextPath("r.pdf"));
  EXPECT_EQ(names.NextPath(path + "/r.pdf"), path + "/r-2.pdf");  // the same target
  EXPECT_EQ(names.NextPath(""), path + "/zbx_qn-1.pdf");
  names.CountJob("", names.NextPath(""));
  names.CountJob("", names.NextPath(""));
  EXPECT_EQ(names.NextPath(""), path + "/zbx_qn-3.pdf");
}

}  // namespace
}  // namespace platform
