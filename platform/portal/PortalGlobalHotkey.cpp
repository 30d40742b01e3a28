#include "platform/portal/PortalGlobalHotkey.h"

#include "core/Logging.h"
#include "platform/portal/PortalRequest.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QKeySequence>

#include <algorithm>

namespace {

const QString ShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString SessionInterface = QStringLiteral("org.freedesktop.portal.Session");
const QString ShortcutId = QStringLiteral("copy-colour");
// The same session name at every start: desktops that keep shortcuts under it (KDE Plasma, for a
// program outside a sandbox) then keep the user's keys for the next start.
const QString SessionToken = QStringLiteral("tintra_hotkey");
// A portal started on demand may take a while to answer its first question.
constexpr int ProbeMilliseconds = 10000;

// One shortcut as the portal takes and gives them: (sa{sv}).
struct Shortcut {
    QString Id;
    QVariantMap Properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.Id << shortcut.Properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.Id >> shortcut.Properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(Shortcut)

namespace {

// The combination as the shortcuts of the free desktops write it: "CTRL+ALT+SHIFT+c".
QString TriggerOf(const QString& keys) {
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    if (sequence.count() != 1)
        return keys;
    const Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
    QString trigger;
    for (auto [modifier, name] : {std::pair{Qt::ControlModifier, "CTRL+"},
                                  {Qt::AltModifier, "ALT+"},
                                  {Qt::ShiftModifier, "SHIFT+"},
                                  {Qt::MetaModifier, "LOGO+"}})
        if (modifiers & modifier)
            trigger += QString::fromLatin1(name);
    // Keys are named as X names them: letters in lower case, others ("F9", "Print") as Qt does.
    const QString key = QKeySequence(sequence[0].key()).toString(QKeySequence::PortableText);
    return trigger + (key.size() == 1 ? key.toLower() : key);
}

} // namespace

PortalGlobalHotkey::PortalGlobalHotkey(const QDBusConnection& bus) : bus_(bus) {
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
    QDBusMessage get = QDBusMessage::createMethodCall(PortalRequest::Service, PortalRequest::DesktopPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << ShortcutsInterface << QStringLiteral("version");
    auto* probe = new QDBusPendingCallWatcher(bus_.asyncCall(get, ProbeMilliseconds), this);
    connect(probe, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        offered_ = !answer->isError();
        qCInfo(lcPortal) << "global shortcuts portal:" << (offered_ ? "offered" : "not offered");
        if (offered_)
            emit OfferedChanged();
    });
}

PortalGlobalHotkey::~PortalGlobalHotkey() { Release(); }

void PortalGlobalHotkey::Bind(const QString& keys) {
    Release();
    request_ = new PortalRequest(bus_, ShortcutsInterface, QStringLiteral("CreateSession"), {},
                                 {{QStringLiteral("session_handle_token"), SessionToken}}, this);
    connect(request_, &PortalRequest::Answered, this, [this, keys](uint code, const QVariantMap& results) {
        request_->deleteLater();
        request_ = nullptr;
        if (code != 0) {
            // The portal may name the interface with nothing of the desktop's behind it (GNOME 43).
            qCWarning(lcPortal) << "the global shortcuts portal answered CreateSession with" << code;
            Refuse(tr("全局热键 %1：此桌面不提供全局热键").arg(keys));
            return;
        }
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        session_ =
            handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
        bus_.connect(PortalRequest::Service, PortalRequest::DesktopPath, ShortcutsInterface,
                     QStringLiteral("Activated"), this,
                     SLOT(Activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        BindShortcut(keys);
    });
}

void PortalGlobalHotkey::BindShortcut(const QString& keys) {
    const QList<Shortcut> shortcuts{{ShortcutId,
                                     {{QStringLiteral("description"), tr("复制鼠标所指的颜色")},
                                      {QStringLiteral("preferred_trigger"), TriggerOf(keys)}}}};
    request_ = new PortalRequest(
        bus_, ShortcutsInterface, QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()}, {},
        this);
    connect(request_, &PortalRequest::Answered, this, [this, keys](uint code, const QVariantMap& results) {
        request_->deleteLater();
        request_ = nullptr;
        if (code == 1) {
            Refuse(tr("全局热键 %1 未获桌面允许").arg(keys));
            return;
        }
        if (code != 0) {
            qCWarning(lcPortal) << "the global shortcuts portal answered BindShortcuts with" << code;
            Refuse(tr("桌面未能登记全局热键 %1").arg(keys));
            return;
        }
        QList<Shortcut> bound;
        results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> bound;
        const auto ours =
            std::find_if(bound.cbegin(), bound.cend(), [](const Shortcut& s) { return s.Id == ShortcutId; });
        const QString trigger =
            ours == bound.cend() ? QString()
                                 : ours->Properties.value(QStringLiteral("trigger_description")).toString();
        qCInfo(lcPortal) << "the hotkey is bound, its trigger:" << trigger;
        // Some desktops name no keys and leave them to their own shortcut settings (KDE Plasma 5.27
        // keeps none itself): the session stays, for keys the user gives there, and the user is told.
        if (trigger.isEmpty())
            emit Refused(tr("桌面未告知全局热键的按键，可在桌面的快捷键设置中查看或指定"));
    });
}

void PortalGlobalHotkey::Activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                   const QVariantMap&) {
    if (session.path() == session_ && id == ShortcutId)
        emit Pressed();
}

void PortalGlobalHotkey::Refuse(const QString& why) {
    Release();
    emit Refused(why);
}

void PortalGlobalHotkey::Release() {
    delete request_; // withdraws the question
    request_ = nullptr;
    if (session_.isEmpty())
        return;
    bus_.disconnect(PortalRequest::Service, PortalRequest::DesktopPath, ShortcutsInterface,
                    QStringLiteral("Activated"), this,
                    SLOT(Activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.asyncCall(QDBusMessage::createMethodCall(PortalRequest::Service, session_, SessionInterface,
                                                  QStringLiteral("Close")));
    session_.clear();
}
