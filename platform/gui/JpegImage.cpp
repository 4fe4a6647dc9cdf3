#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "FileNames.h"

namespace {

// libjpeg is C: an error may not unwind through it as an exception, so its
// error manager jumps back to the decoder, which then gives up. Warnings
// (such as a stream that ends early) are treated as errors too.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf resume;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->resume, 1);
}

void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

void Quiet(j_common_ptr) {}

// Between setjmp and a jump back only libjpeg runs; this frame holds no
// object with a destructor, and the result goes to the caller's image.
bool Decode(std::FILE* file, QImage& image) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  errors.base.output_message = Quiet;
  if (setjmp(errors.resume)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage LoadJpegImage(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(FsName(path).c_str(), "rb"), &std::fclose);
  if (!file) return {};
  QImage image;
  if (!Decode(file.get(), image)) return {};
  return image;
}
