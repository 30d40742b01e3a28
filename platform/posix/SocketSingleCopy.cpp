#include "platform/posix/SocketSingleCopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// "\0tintra-<user>-<hash of the folder>": abstract names need no file and leave nothing behind.
sockaddr_un AddressFor(const QString& folder, socklen_t& length) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir(folder).canonicalPath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(24);
    const QByteArray name = "tintra-" + QByteArray::number(::getuid()) + '-' + hash;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

} // namespace

SocketSingleCopy::SocketSingleCopy() = default;

SocketSingleCopy::~SocketSingleCopy() {
    notifier_.reset();
    if (listening_ >= 0)
        ::close(listening_);
}

bool SocketSingleCopy::Claim(const QString& folder) {
    socklen_t length = 0;
    const sockaddr_un address = AddressFor(folder, length);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true; // no way to tell: carry on as the only copy
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 && ::listen(fd, 4) == 0) {
        listening_ = fd;
        notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            const int asking = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
            if (asking >= 0)
                ::close(asking);
            if (ShowRequested)
                ShowRequested();
        });
        return true;
    }
    const bool taken = errno == EADDRINUSE;
    ::close(fd);
    if (!taken)
        return true;
    // Held: connecting is the request to show.
    const int asking = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (asking >= 0) {
        [[maybe_unused]] const int connected =
            ::connect(asking, reinterpret_cast<const sockaddr*>(&address), length);
        ::close(asking);
    }
    return false;
}
