#include "platform/portal/PortalScreenCast.h"

#include "platform/portal/PipeWireLibrary.h"

#include "platform/portal/PipeWireScreen.h"
#include "platform/portal/PortalRequest.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QTimerEvent>

#include <algorithm>

namespace {

const QString ScreenCastInterface = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString SessionInterface = QStringLiteral("org.freedesktop.portal.Session");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// What the portal offers, in its own numbers.
constexpr uint SourceMonitor = 1;
constexpr uint CursorMetadata = 4;
constexpr uint PersistUntilRevoked = 2;
constexpr uint PersistSince = 4; // the portal's version that first keeps a share

// Long enough for a running portal to answer, short enough that a start never waits on a stuck one.
constexpr int ProbeMilliseconds = 100;
// How often a new share is looked at until the pointer is seen, and how long pictures may come without
// it before the share is given up as one that never tells where the pointer is.
constexpr int WatchMilliseconds = 100;
constexpr int PointerWaitMilliseconds = 3000;

QString AskText() {
    return QCoreApplication::translate("PortalScreenCast", "桌面将询问是否允许本程序读取屏幕，以便取色");
}
QString WaitText() { return QCoreApplication::translate("PortalScreenCast", "正在等待桌面共享屏幕"); }
QString CancelledText() {
    return QCoreApplication::translate("PortalScreenCast", "屏幕共享未获允许，无法取色");
}
QString FailedText() { return QCoreApplication::translate("PortalScreenCast", "桌面未能共享屏幕，无法取色"); }
QString NoPointerText() {
    return QCoreApplication::translate("PortalScreenCast", "此桌面共享屏幕时不提供鼠标位置，无法取色");
}
QString EndedText() { return QCoreApplication::translate("PortalScreenCast", "屏幕共享已结束，取色已停止"); }

QDBusMessage ScreenCastProperties() {
    QDBusMessage get = QDBusMessage::createMethodCall(PortalRequest::Service, PortalRequest::DesktopPath,
                                                      PropertiesInterface, QStringLiteral("GetAll"));
    get << ScreenCastInterface;
    return get;
}

// A pair of numbers, (ii), from a stream's properties; nothing where the desktop left it out (some send
// no position).
std::optional<QPoint> PairOf(const QVariantMap& properties, const QString& key) {
    const QVariant value = properties.value(key);
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto pair = value.value<QDBusArgument>();
    if (pair.currentType() != QDBusArgument::StructureType)
        return std::nullopt;
    int first = 0, second = 0;
    pair.beginStructure();
    pair >> first >> second;
    pair.endStructure();
    return QPoint(first, second);
}

// The streams of a started cast: a(ua{sv}), a node and its properties each. Monitors without a
// position are laid out left to right in the order given.
QList<SharedMonitor> SharedMonitors(const QVariant& streams) {
    QList<SharedMonitor> monitors;
    const auto list = streams.value<QDBusArgument>();
    if (list.currentType() != QDBusArgument::ArrayType)
        return monitors;
    int right = 0;
    list.beginArray();
    while (!list.atEnd()) {
        SharedMonitor monitor;
        QVariantMap properties;
        list.beginStructure();
        list >> monitor.Node >> properties;
        list.endStructure();
        const QPoint size = PairOf(properties, QStringLiteral("size")).value_or(QPoint());
        const QPoint position = PairOf(properties, QStringLiteral("position")).value_or(QPoint(right, 0));
        monitor.Place = QRect(position, QSize(size.x(), size.y()));
        right = std::max(right, monitor.Place.left() + std::max(0, size.x()));
        monitors.append(monitor);
    }
    list.endArray();
    return monitors;
}

} // namespace

PortalScreenCast::PortalScreenCast(const QDBusConnection& bus) : bus_(bus) {}

PortalScreenCast::~PortalScreenCast() { Stop(); }

bool PortalScreenCast::Offered(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return false;
    const QDBusMessage reply = bus.call(ScreenCastProperties(), QDBus::Block, ProbeMilliseconds);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const auto properties = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    return properties.value(QStringLiteral("AvailableCursorModes")).toUInt() & CursorMetadata;
}

QString PortalScreenCast::Name() const {
    return QCoreApplication::translate("PortalScreenCast", "桌面的屏幕共享");
}

void PortalScreenCast::Start() {
    if (running_)
        return;
    running_ = true;
    const quint64 attempt = ++attempt_;
    // Without a key from an earlier yes the desktop asks the user. Either way the hint line says so
    // until the pointer is first seen.
    emit Explain(Token().Value().isEmpty() ? AskText() : WaitText());
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(ScreenCastProperties()), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this,
        [this, attempt](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            if (attempt != attempt_)
                return;
            const QDBusPendingReply<QVariantMap> reply = *finished;
            if (reply.isError()) {
                qCWarning(lcPortal) << "the screen-cast portal does not answer:" << reply.error().message();
                Refuse(FailedText());
                return;
            }
            if (!(reply.value().value(QStringLiteral("AvailableCursorModes")).toUInt() & CursorMetadata)) {
                Refuse(NoPointerText());
                return;
            }
            CreateSession(reply.value().value(QStringLiteral("version")).toUInt());
        });
}

void PortalScreenCast::CreateSession(uint version) {
    Ask(QStringLiteral("CreateSession"), {},
        {{QStringLiteral("session_handle_token"), PortalRequest::NewToken()}},
        [this, version](const QVariantMap& results) {
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                            : handle.toString();
            bus_.connect(PortalRequest::Service, session_, SessionInterface, QStringLiteral("Closed"), this,
                         SLOT(SessionClosed()));
            SelectSources(version);
        });
}

void PortalScreenCast::SelectSources(uint version) {
    QVariantMap options{{QStringLiteral("types"), SourceMonitor},
                        {QStringLiteral("multiple"), true},
                        {QStringLiteral("cursor_mode"), CursorMetadata}};
    if (version >= PersistSince) {
        options.insert(QStringLiteral("persist_mode"), PersistUntilRevoked);
        if (!Token().Value().isEmpty())
            options.insert(QStringLiteral("restore_token"), Token().Value());
    }
    Ask(QStringLiteral("SelectSources"), {QVariant::fromValue(QDBusObjectPath(session_))}, options,
        [this](const QVariantMap&) { StartCast(); });
}

void PortalScreenCast::StartCast() {
    Ask(QStringLiteral("Start"), {QVariant::fromValue(QDBusObjectPath(session_)), QString()}, {},
        [this](const QVariantMap& results) {
            // The key is good once: each start gives the next one.
            const QString token = results.value(QStringLiteral("restore_token")).toString();
            if (!token.isEmpty())
                Token().Set(token);
            OpenPipeWire(results);
        });
}

void PortalScreenCast::OpenPipeWire(const QVariantMap& results) {
    const QList<SharedMonitor> monitors = SharedMonitors(results.value(QStringLiteral("streams")));
    if (monitors.isEmpty()) {
        Refuse(FailedText());
        return;
    }
    QDBusMessage open =
        QDBusMessage::createMethodCall(PortalRequest::Service, PortalRequest::DesktopPath,
                                       ScreenCastInterface, QStringLiteral("OpenPipeWireRemote"));
    open << QVariant::fromValue(QDBusObjectPath(session_)) << QVariantMap();
    const quint64 attempt = attempt_;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(open), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt, monitors](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (attempt != attempt_)
                    return;
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
                if (reply.isError() || !reply.value().isValid()) {
                    qCWarning(lcPortal)
                        << "no PipeWire connection from the portal:" << reply.error().message();
                    Refuse(FailedText());
                    return;
                }
                if (!LoadPipeWire()) {
                    Refuse(FailedText());
                    return;
                }
                // PipeWire says so on its own thread; the answer is given here, if still wanted.
                watchedSince_.start();
                watch_.start(WatchMilliseconds, this);
                screen_ = std::make_unique<PipeWireScreen>(reply.value().fileDescriptor(), monitors,
                                                           [this, attempt] {
                                                               QMetaObject::invokeMethod(
                                                                   this,
                                                                   [this, attempt] {
                                                                       if (attempt == attempt_)
                                                                           Refuse(EndedText());
                                                                   },
                                                                   Qt::QueuedConnection);
                                                           });
            });
}

void PortalScreenCast::Ask(const QString& method, const QVariantList& arguments, const QVariantMap& options,
                           std::function<void(const QVariantMap&)> answered) {
    request_ = new PortalRequest(bus_, ScreenCastInterface, method, arguments, options, this);
    connect(request_, &PortalRequest::Answered, this,
            [this, method, answered = std::move(answered)](uint code, const QVariantMap& results) {
                request_->deleteLater();
                request_ = nullptr;
                if (code == 0) {
                    answered(results);
                    return;
                }
                if (code == 1)
                    qCInfo(lcPortal) << "the user did not allow" << method;
                else
                    qCWarning(lcPortal) << "the screen-cast portal answered" << method << "with" << code;
                Refuse(code == 1 ? CancelledText() : FailedText());
            });
}

// Until the pointer is first seen, the hint line keeps what it said; a share whose pictures come without
// the pointer for long is one where picking cannot work.
void PortalScreenCast::timerEvent(QTimerEvent* event) {
    if (event->timerId() != watch_.timerId())
        return;
    if (!screen_) {
        watch_.stop();
        return;
    }
    if (screen_->Pointer()) {
        watch_.stop();
        emit Explain(QString());
        return;
    }
    if (!screen_->HasPicture())
        watchedSince_.start();
    else if (watchedSince_.hasExpired(PointerWaitMilliseconds)) {
        qCWarning(lcPortal, "the shared screen's frames carry no pointer position");
        Refuse(NoPointerText());
    }
}

void PortalScreenCast::SessionClosed() {
    if (!running_)
        return;
    qCInfo(lcPortal, "the desktop closed the screen-cast session");
    Refuse(EndedText());
}

void PortalScreenCast::Refuse(const QString& why) {
    Stop();
    emit Refused(why);
}

void PortalScreenCast::Stop() {
    ++attempt_;
    running_ = false;
    delete request_; // withdraws the question, closing its dialog
    request_ = nullptr;
    watch_.stop();
    screen_.reset();
    CloseSession();
}

void PortalScreenCast::CloseSession() {
    if (session_.isEmpty())
        return;
    bus_.disconnect(PortalRequest::Service, session_, SessionInterface, QStringLiteral("Closed"), this,
                    SLOT(SessionClosed()));
    // The desktop's sign that the screen is shared goes with the session.
    bus_.asyncCall(QDBusMessage::createMethodCall(PortalRequest::Service, session_, SessionInterface,
                                                  QStringLiteral("Close")));
    session_.clear();
}

QPoint PortalScreenCast::PointerPosition() const {
    const auto pointer = screen_ ? screen_->Pointer() : std::nullopt;
    return pointer.value_or(QPoint());
}

bool PortalScreenCast::PointerKnown() const { return screen_ && screen_->Pointer(); }

// Until the pointer has been seen there is no place the user points at: nothing is read.
std::optional<ColorValue> PortalScreenCast::ScreenPixelSource(int x, int y) {
    if (!screen_ || !screen_->Pointer())
        return std::nullopt;
    return screen_->Pixel({x, y});
}

QImage PortalScreenCast::GrabRegion(const QRect& region) {
    if (!screen_ || !screen_->Pointer())
        return {};
    return screen_->Grab(region);
}

QList<Monitor> PortalScreenCast::Monitors() const { return screen_ ? screen_->Monitors() : QList<Monitor>(); }

bool PortalScreenCast::ScreenChanged(const QRect& region) { return !screen_ || screen_->Changed(region); }
