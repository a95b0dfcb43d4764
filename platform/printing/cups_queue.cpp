#include "platform/printing/cups_queue.h"

#include <cups/cups.h>

#include <cstdio>

#include "platform/printing/printer.h"

namespace platform {

void FollowCupsServer() { cupsSetServer(nullptr); }

int SubmitPdfToCups(const std::string& queueName, const std::string& pdfPath,
                    const std::string& utf8Title) {
  // The copies, their order and the colour are drawn into the file itself,
  // so the queue is asked for nothing but to print it once.
  FollowCupsServer();
  const std::string title = utf8Title.empty() ? std::string("zbx_qn") : utf8Title;
  const int jobId = cupsCreateJob(CUPS_HTTP_DEFAULT, queueName.c_str(), title.c_str(), 0, nullptr);
  if (jobId <= 0) {
    throw EPrinter("The printer " + queueName + " did not take the job: " + cupsLastErrorString());
  }
  const auto failed = [&queueName, jobId](const char* reason) {
    const std::string why = reason;
    cupsCancelJob2(CUPS_HTTP_DEFAULT, queueName.c_str(), jobId, 0);
    return EPrinter("The printer " + queueName + " did not take the job: " + why);
  };
  FILE* file = std::fopen(pdfPath.c_str(), "rb");
  if (file == nullptr) throw failed("the job's file could not be read.");
  if (cupsStartDocument(CUPS_HTTP_DEFAULT, queueName.c_str(), jobId, title.c_str(), CUPS_FORMAT_PDF,
                        1) != HTTP_STATUS_CONTINUE) {
    std::fclose(file);
    throw failed(cupsLastErrorString());
  }
  char buffer[65536];
  bool written = true;
  size_t count = 0;
  while (written && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    written = cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer, count) == HTTP_STATUS_CONTINUE;
  }
  const bool readWhole = std::ferror(file) == 0;
  std::fclose(file);
  // Finishing also reads the scheduler's answer to the document, which is
  // where a refusal that came after the job was made shows.
  const ipp_status_t answer = cupsFinishDocument(CUPS_HTTP_DEFAULT, queueName.c_str());
  if (!written || answer > IPP_STATUS_OK_EVENTS_COMPLETE) throw failed(cupsLastErrorString());
  if (!readWhole) throw failed("the job's file could not be read.");
  return jobId;
}

}  // namespace platform
