#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The bytes of the picture embedded in the program under that name and type ("bmp" or "jpg"), both
// matched ignoring letter case, in the resource language where it has its own; empty when there is none.
// The bytes are the program's own, not a copy.
QByteArray FindPictureResource(const QString& name, const QString& type);
// Decodes a BMP or JPEG file, told apart by their first bytes; a null picture where it does not decode.
QImage DecodePicture(const QByteArray& file);

// Decodes the named JPEG picture into the picture. A missing or broken picture leaves the picture as it
// was and gives false; the guard logs why.
bool LoadJpegResource(QImage& picture, const QString& name, const QString& type);
// Takes the named picture's file, undecoded, once it is seen to decode, with the same failure rule.
bool LoadPictureFile(QByteArray& file, const QString& name, const QString& type);
