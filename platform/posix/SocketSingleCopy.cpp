#include "platform/posix/SocketSingleCopy.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>

#include <algorithm>

#include <cstring>
#include <poll.h>
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

// How long a later copy waits for one that is saving its files on the way out.
constexpr int HolderWaitMilliseconds = 60000;

// Whether the holder answered that it shows itself; false once it has gone without answering.
bool AskHolderToShow(const sockaddr_un& address, socklen_t length, const QDeadlineTimer& deadline) {
    const int asking = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (asking < 0)
        return true;
    bool shown = false;
    if (::connect(asking, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        pollfd answer{asking, POLLIN, 0};
        char said = 0;
        if (::poll(&answer, 1, int(std::max<qint64>(0, deadline.remainingTime()))) == 0)
            shown = true; // no word at all: held by a copy that will not say, as before
        else
            shown = ::recv(asking, &said, 1, 0) == 1;
    } else {
        ::usleep(20'000); // between its listening ending and its name going: a moment
    }
    ::close(asking);
    return shown;
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
    const QDeadlineTimer deadline(HolderWaitMilliseconds);
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return true; // no way to tell: carry on as the only copy
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 && ::listen(fd, 4) == 0) {
            Listen(fd);
            return true;
        }
        const bool taken = errno == EADDRINUSE;
        ::close(fd);
        if (!taken)
            return true;
        // Held: connecting is the request to show. A holder that runs says so; one that is saving its
        // files on the way out says nothing until it has gone, and then the folder is claimed again.
        if (AskHolderToShow(address, length, deadline) || deadline.hasExpired())
            return false;
    }
}

void SocketSingleCopy::Listen(int fd) {
    listening_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        const int asking = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
        if (asking >= 0) {
            [[maybe_unused]] const ssize_t told = ::send(asking, "s", 1, MSG_NOSIGNAL);
            ::close(asking);
        }
        if (ShowRequested)
            ShowRequested();
    });
}
