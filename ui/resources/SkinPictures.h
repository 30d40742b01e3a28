#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The bytes of the picture embedded in the program under that name and type ("bmp" or "jpg"), both
// matched ignoring letter case, in the resource language where it has its own; empty when there is none.
QByteArray FindPictureResource(const QString& name, const QString& type);

// Reads the named BMP picture into a picture of the file's own 24 bits a pixel, a quarter smaller than
// a bitmap of the screen's 32. A missing or broken picture leaves the picture as it was and gives
// false; nothing is reported.
bool LoadBitmapResource(QImage& picture, const QString& name, const QString& type);

// Decodes the named JPEG picture into the picture, with the same failure rule.
bool LoadJpegResource(QImage& picture, const QString& name, const QString& type);
// Reads the named JPEG file, undecoded, once it is seen to decode, with the same failure rule.
bool LoadJpegFile(QByteArray& file, const QString& name, const QString& type);
