#pragma once

#include <QByteArrayView>
#include <QString>

// Text that is not UTF-8, read as the program's Chinese users wrote it: in GBK, which is the system's
// code page on a Chinese Windows.
QString FromSystemCodePage(QByteArrayView bytes);
