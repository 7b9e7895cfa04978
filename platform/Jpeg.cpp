#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h wants FILE and size_t declared before it.
#include <jpeglib.h>

namespace platform {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

}  // namespace

QImage decodeJpegFile(const std::string& path, std::string* error) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    if (error) *error = "Cannot open " + path;
    return {};
  }
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = onError;
  // Only the pointee changes after setjmp, so a jump back leaves every local defined.
  auto image = std::make_unique<QImage>();
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    if (error) *error = path + ": " + err.message;
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file.get());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return *image;
}

}  // namespace platform
