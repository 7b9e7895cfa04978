// JPEG decoding through libjpeg.
#pragma once

#include <QImage>
#include <string>

namespace platform {

// Decodes the file into an RGB image; a null image when the file is missing or not a JPEG,
// with the reason in *error.
QImage decodeJpegFile(const std::string& path, std::string* error = nullptr);

}  // namespace platform
