#include "platform/portal/PortalColorPick.h"

#include "platform/portal/PortalRequest.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
constexpr uint PickColorSince = 2; // the portal's version that first has the colour tool
constexpr int ProbeMilliseconds = 100;

QString CancelledText() { return QCoreApplication::translate("PortalColorPick", "未选定颜色"); }
QString FailedText() { return QCoreApplication::translate("PortalColorPick", "桌面的取色工具未能取色"); }

// The portal's colour is three fractions, red first.
std::optional<ColorValue> ColorOf(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const auto rgb = value.value<QDBusArgument>();
    if (rgb.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    double red = 0, green = 0, blue = 0;
    rgb.beginStructure();
    rgb >> red >> green >> blue;
    rgb.endStructure();
    const auto channel = [](double fraction) {
        return int(std::lround(std::clamp(fraction, 0.0, 1.0) * 255));
    };
    return PackRgb(channel(red), channel(green), channel(blue));
}

} // namespace

PortalColorPick::PortalColorPick(const QDBusConnection& bus) : bus_(bus) {}

bool PortalColorPick::Offered(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(PortalRequest::Service, PortalRequest::DesktopPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << ScreenshotInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, ProbeMilliseconds);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return qdbus_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toUInt() >= PickColorSince;
}

QString PortalColorPick::Name() const {
    return QCoreApplication::translate("PortalColorPick", "桌面门户的取色工具");
}

void PortalColorPick::Start() {
    if (request_)
        return;
    request_ =
        new PortalRequest(bus_, ScreenshotInterface, QStringLiteral("PickColor"), {QString()}, {}, this);
    connect(request_, &PortalRequest::Answered, this, [this](uint code, const QVariantMap& results) {
        request_->deleteLater();
        request_ = nullptr;
        const auto color = code == 0 ? ColorOf(results.value(QStringLiteral("color"))) : std::nullopt;
        if (color)
            emit Picked(*color);
        else
            emit Refused(code == 1 ? CancelledText() : FailedText());
    });
}

void PortalColorPick::Stop() {
    delete request_;
    request_ = nullptr;
}
