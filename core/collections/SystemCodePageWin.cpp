#include "core/collections/SystemCodePage.h"

QString FromSystemCodePage(QByteArrayView bytes) { return QString::fromLocal8Bit(bytes); }
