#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline JPEG file with libjpeg; data that does not decode gives a null image.
QImage DecodeJpeg(const QByteArray& data);
