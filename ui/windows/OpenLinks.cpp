#include "ui/windows/OpenLinks.h"

#include "core/Guard.h"
#include "core/windows/Links.h"
#include "platform/LinkOpener.h"
#include "platform/Platform.h"

#include <QFileInfo>

void OpenLink(Platform& platform, const QString& text) {
    RunGuarded([&] {
        const auto target = OpenLinkTarget(
            text, [](const QString& path) { return QFileInfo(path).isDir(); },
            [](const QString& path) { return QFileInfo(path).isFile(); });
        if (target)
            platform.Links().Open(*target);
    });
}

void OpenUrl(Platform& platform, const QString& address) {
    RunGuarded([&] { platform.Links().Open(OpenUrlTarget(address)); });
}
