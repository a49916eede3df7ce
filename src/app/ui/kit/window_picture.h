// The window picture service: pictures of windows as baseline JPEG, quality
// 100, 24-bit colour, written with the IJG library, and offered to the
// desktop's image application. The file is written to a temporary file and renamed over the
// target, so a failed write leaves an existing file as it was.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;

namespace orvanta {

// The JPEG bytes of the image; empty (with *error set) on failure.
QByteArray EncodeJpeg(const QImage& image, QString* error = nullptr);
bool SaveJpeg(const QImage& image, const QString& path, QString* error = nullptr);

// The window as it shows (its own pixels only, nothing covering it).
QImage GrabWindow(QWidget* window);
// Grabs the window and writes it as JPEG to `path`.
bool SaveWindowPicture(QWidget* window, const QString& path, QString* error = nullptr);
// Writes the window's picture to `path` and opens it in the desktop's image
// application. A failed write is reported in a message box (caption
// "ORVANTA INFO") and nothing is opened; returns whether the file was written.
bool SaveAndOpenWindowPicture(QWidget* window, const QString& path);

// Writes `picture` as `path` and asks, with language texts 1193 and 1194
// (OK / Cancel, caption "ORVANTA INFO"), whether to open it in the image
// application. A failed write is said and nothing asked; a picture that no
// application takes is said with its path. Returns whether it was written.
bool OfferPicture(QWidget* parent, const QImage& picture, const QString& path);
// The picture command of a window ("POBIERZ"): its picture offered as
// <temporary folder>/<prefix><n>.jpg, n counting the pictures of `prefix`
// while the program runs.
bool OfferWindowPicture(QWidget* window, const QString& prefix);

}  // namespace orvanta
