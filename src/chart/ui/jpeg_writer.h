// Writes pictures as baseline JPEG, quality 100, 24-bit colour, with the IJG
// library. The file is written to a temporary file and renamed over the
// target, so a failed write leaves an existing file as it was.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orvanta {

// The JPEG bytes of the image; empty (with *error set) on failure.
QByteArray EncodeJpeg(const QImage& image, QString* error = nullptr);
bool SaveJpeg(const QImage& image, const QString& path, QString* error = nullptr);

}  // namespace orvanta
