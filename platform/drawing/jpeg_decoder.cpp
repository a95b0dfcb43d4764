// JPEG pictures through libjpeg. libjpeg's default error handler calls
// exit(), which would take the host down with it; ours jumps back here
// instead, and every decoder resource is released by jpeg_destroy.
#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <optional>
// jpeglib.h needs FILE and size_t declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/drawing/picture.h"
#include "platform/drawing/picture_impl.h"

namespace platform {
namespace {

// Progressive files can repeat scans without end; real ones use about ten.
constexpr int kMaxScans = 500;
// Progressive files hold all coefficients in memory; this bounds it well
// above what a picture under kMaxPicturePixels needs.
constexpr long kMaxDecoderMemory = 1024L * 1024L * 1024L;

struct JpegInput {
  FILE* file = nullptr;
  const uint8_t* data = nullptr;
  size_t size = 0;
  const DecodeRequest* request = nullptr;
};

// All decoder state lives here, outside the frame that calls setjmp, so that
// nothing of it is left indeterminate after the jump.
struct JpegSession {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
  bool endOfData = false;
  bool dataCutShort = false;
  std::optional<PictureError> refusal;
  QImage image;

  JpegSession();
  ~JpegSession() { jpeg_destroy_decompress(&cinfo); }
  JpegSession(const JpegSession&) = delete;
  JpegSession& operator=(const JpegSession&) = delete;
};

JpegSession& SessionOf(j_common_ptr cinfo) { return *static_cast<JpegSession*>(cinfo->client_data); }

// Once the data has run out, whatever libjpeg trips over next is a
// consequence of that, and the end of the data is the reason to give.
[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  JpegSession& session = SessionOf(cinfo);
  if (session.endOfData) cinfo->err->msg_code = JWRN_JPEG_EOF;
  (*cinfo->err->format_message)(cinfo, session.message);
  std::longjmp(session.jump, 1);
}

// Warnings are silent. Running out of data is fatal only when the entropy
// decoder then lacked bits it needed: libjpeg would paint the missing part
// grey and call that a success. A file that lacks no more than its end
// marker is complete and passes.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  JpegSession& session = SessionOf(cinfo);
  if (cinfo->err->msg_code == JWRN_JPEG_EOF) session.endOfData = true;
  if (cinfo->err->msg_code == JWRN_HIT_MARKER) session.dataCutShort = true;
  if (session.endOfData && session.dataCutShort) JumpOut(cinfo);
}

void OnProgress(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) {
    JpegSession& session = SessionOf(cinfo);
    std::snprintf(session.message, sizeof session.message, "more than %d scans", kMaxScans);
    std::longjmp(session.jump, 1);
  }
}

bool AcceptSize(JpegSession& session) {
  session.refusal = CheckPictureSize(session.cinfo.image_width, session.cinfo.image_height);
  return !session.refusal;
}

bool MakeImage(JpegSession& session, QImage::Format format) {
  session.image = QImage(static_cast<int>(session.cinfo.output_width),
                         static_cast<int>(session.cinfo.output_height), format);
  if (session.image.isNull()) session.refusal = PictureError{"There is not enough memory for the picture."};
  return !session.refusal;
}

// Adobe writes CMYK inverted; the product with K gives the RGB it means.
void CmykRowToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    rgb[0] = static_cast<uchar>(c * k / 255);
    rgb[1] = static_cast<uchar>(m * k / 255);
    rgb[2] = static_cast<uchar>(y * k / 255);
  }
}

JpegSession::JpegSession() {
  cinfo.err = jpeg_std_error(&errors);
  errors.error_exit = JumpOut;
  errors.emit_message = OnMessage;
  cinfo.client_data = this;
  progress.progress_monitor = OnProgress;
}

// The only frame that libjpeg may jump back into. It holds no object with a
// destructor, so the jump skips no clean-up.
bool RunDecode(JpegSession& session, const JpegInput& input) {
  j_decompress_ptr cinfo = &session.cinfo;
  if (setjmp(session.jump) != 0) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kMaxDecoderMemory;
  cinfo->progress = &session.progress;
  if (input.file != nullptr) {
    jpeg_stdio_src(cinfo, input.file);
  } else {
    jpeg_mem_src(cinfo, input.data, static_cast<unsigned long>(input.size));
  }
  jpeg_read_header(cinfo, TRUE);
  if (!AcceptSize(session)) return false;

  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  const bool gray = cinfo->jpeg_color_space == JCS_GRAYSCALE;
  cinfo->out_color_space = cmyk ? JCS_CMYK : gray ? JCS_GRAYSCALE : JCS_RGB;
  cinfo->scale_num = 1;
  cinfo->scale_denom = static_cast<unsigned int>(
      JpegScaleDivisor(cinfo->image_width, cinfo->image_height, *input.request));
  jpeg_calc_output_dimensions(cinfo);
  if (input.request->beforePixels) {
    input.request->beforePixels(int64_t{cinfo->output_width} * cinfo->output_height);
  }
  jpeg_start_decompress(cinfo);
  if (!MakeImage(session, gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888)) return false;

  JSAMPARRAY cmykRow = cmyk ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo),
                                                          JPOOL_IMAGE, cinfo->output_width * 4, 1)
                            : nullptr;
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION line = cinfo->output_scanline;
    uchar* target = session.image.scanLine(static_cast<int>(line));
    JSAMPROW row = cmyk ? cmykRow[0] : target;
    jpeg_read_scanlines(cinfo, &row, 1);
    if (cmyk) CmykRowToRgb(cmykRow[0], target, cinfo->output_width, cinfo->saw_Adobe_marker);
  }
  // jpeg_finish_decompress is left out on purpose: it would only look for
  // the end marker, and a picture missing just that is complete.
  return true;
}

PictureResult Decode(const JpegInput& input) {
  auto session = std::make_unique<JpegSession>();
  if (!RunDecode(*session, input)) {
    if (session->refusal) return *session->refusal;
    return PictureError{std::string("The JPEG picture is damaged (") + session->message + ")."};
  }
  const bool reduced = session->cinfo.output_width < session->cinfo.image_width ||
                       session->cinfo.output_height < session->cinfo.image_height;
  Picture picture = PictureFromImage(std::move(session->image));
  picture.impl().fromJpeg = true;
  picture.impl().reduced = reduced;
  return picture;
}

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

int32_t JpegScaleDivisor(int64_t width, int64_t height, const DecodeRequest& request) {
  if (request.drawnWidth <= 0 || request.drawnHeight <= 0) return 1;
  for (const int32_t divisor : {8, 4, 2}) {
    // libjpeg rounds a scaled size up.
    if ((width + divisor - 1) / divisor >= request.drawnWidth &&
        (height + divisor - 1) / divisor >= request.drawnHeight) {
      return divisor;
    }
  }
  return 1;
}

PictureResult LoadJpegFile(const std::string& nativePath, const DecodeRequest& request) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(nativePath.c_str(), "rb"));
  if (!file) return PictureError{"The picture file cannot be read."};
  return Decode(JpegInput{file.get(), nullptr, 0, &request});
}

PictureResult DecodeJpeg(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) return PictureError{"The picture file is empty."};
  const DecodeRequest whole;
  return Decode(JpegInput{nullptr, data, size, &whole});
}

}  // namespace platform
