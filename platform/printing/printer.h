#pragma once
// TPrinter: the process's printer object, as the class library offers it:
// orientation, one job at a time (BeginDoc, NewPage, EndDoc, Abort), its
// canvas, and the device values read with GetDeviceCaps.
//
// Backends: the system's default CUPS printer when one is configured, each
// job drawn as a PDF and handed to its queue; otherwise, or whenever ZBX_PRINT_TO names a file, each job is
// written as a PDF (the named file; later jobs of the same process get -2, -3
// before the extension; without the variable zbx_qn-N.pdf in the current
// folder) and its path goes to standard error.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/drawing/canvas.h"
#include "platform/printing/print_settings.h"

namespace platform {

// A job that cannot start or a page that cannot be made.
class EPrinter : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TPrinterOrientation : uint8_t { poPortrait, poLandscape };

class TPrinter {
 public:
  virtual ~TPrinter() = default;

  virtual void SetOrientation(TPrinterOrientation orientation) = 0;
  virtual TPrinterOrientation Orientation() const = 0;
  virtual void SetTitle(const std::string& ansiTitle) = 0;

  virtual void BeginDoc() = 0;  // throws EPrinter
  virtual void NewPage() = 0;   // throws EPrinter
  virtual void EndDoc() = 0;   // throws EPrinter when the job cannot be delivered
  virtual void Abort() = 0;
  virtual bool Printing() const = 0;

  // Valid between BeginDoc and EndDoc/Abort.
  virtual TCanvas& Canvas() = 0;

  // GetDeviceCaps values for the current orientation.
  virtual int32_t LogPixelsX() const = 0;
  virtual int32_t LogPixelsY() const = 0;
  virtual int32_t PhysicalWidth() const = 0;
  virtual int32_t PhysicalHeight() const = 0;
  virtual int32_t PhysicalOffsetX() const = 0;
  virtual int32_t PhysicalOffsetY() const = 0;
  // The printable area in device pixels (TPrinter.PageWidth/PageHeight).
  virtual int32_t PageWidth() const = 0;
  virtual int32_t PageHeight() const = 0;

  // The settings the next job takes: the printer's name, the copies each job
  // is to hold and their order (drawn by the job's caller, on every backend
  // alike, so that the order of the pages is the same everywhere), grey or
  // colour (drawn by the backend) and a file to print to.
  const PrintSettings& Settings() const { return settings_; }
  // False, and nothing changed, when this printer cannot take them (the PDF
  // backend asked for a system printer); the copies are held within
  // 1..kMaxCopies.
  virtual bool ApplySettings(const PrintSettings& settings);
  // For a printer that writes files: the file the next job goes to, which
  // the print dialog offers. Empty for a printer.
  virtual std::string NextOutputFile() const { return {}; }

 protected:
  void KeepSettings(const PrintSettings& settings);

 private:
  PrintSettings settings_;
};

// The process's printer (the class library's Printer()): made on first use
// from the backends above.
TPrinter& Printer();

// Tests put a printer of their own in place; nullptr puts the real one back.
// Returns the printer that was installed before.
TPrinter* SetPrinter(TPrinter* printer);

// Ends a started job unless it was ended: RAII for "a started job is always
// ended or aborted". Abort when unwinding through an exception. EndDoc may
// throw EPrinter when the finished job cannot be delivered; End() passes
// that on, the destructor can only write it to standard error.
class PrintJob {
 public:
  explicit PrintJob(TPrinter& printer);  // BeginDoc; throws EPrinter
  ~PrintJob();                           // EndDoc, or Abort during unwinding
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  void End();  // EndDoc now

 private:
  TPrinter& printer_;
  bool open_ = true;
  int uncaught_;
};

}  // namespace platform
