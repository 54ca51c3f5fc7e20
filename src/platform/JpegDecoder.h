#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG pictures with libjpeg. A damaged or unreadable picture gives a null image;
// decoding never ends the program.
QImage decodeJpeg(const QByteArray& bytes);

// Reads and decodes a JPEG file or resource (":/…"); a null image when it fails.
QImage loadJpeg(const QString& path);
