#include "core/collections/SystemCodePage.h"

#include <QStringDecoder>

// Text that is no GBK either comes back as UTF-8 with replacement characters.
QString FromSystemCodePage(QByteArrayView bytes) {
    QStringDecoder gbk("GBK");
    return gbk.isValid() ? gbk(bytes) : QString::fromUtf8(bytes);
}
