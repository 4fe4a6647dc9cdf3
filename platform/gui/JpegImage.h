// JPEG pictures, decoded with libjpeg.
#pragma once

#include <QImage>
#include <string>

// The picture in the file, or a null image when the file is missing, is not
// a JPEG picture or is damaged (a truncated or corrupt stream counts as
// damaged: nothing half-decoded is returned).
QImage LoadJpegImage(const std::string& path);
