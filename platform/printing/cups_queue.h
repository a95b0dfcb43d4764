#pragma once
// Handing a finished job to a CUPS queue. The scheduler's answer is the
// truth about the job: a queue that refuses jobs, has gone, or a scheduler
// that cannot be reached is a printer error with the scheduler's own
// reason. A queue that is paused takes the job and holds it; that is no
// error.
#include <string>

namespace platform {

// The printer lookups and jobs that follow go to the scheduler CUPS_SERVER
// names now (or the system's when it is unset), not to the one the CUPS
// library first settled on in this process.
void FollowCupsServer();

// The job id the scheduler gave. Throws EPrinter when it took no job.
int SubmitPdfToCups(const std::string& queueName, const std::string& pdfPath,
                    const std::string& utf8Title);

}  // namespace platform
