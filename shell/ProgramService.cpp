#include "shell/ProgramService.h"

#include "shell/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>

namespace sostav {

namespace {

const QString Interface = QStringLiteral("org.freedesktop.Application");
const QString Bus = QStringLiteral("org.freedesktop.DBus");
constexpr uint DoNotQueue = 4;
constexpr uint PrimaryOwner = 1;

} // namespace

bool ProgramService::claim(const Launch& launch)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    // A desktop finds a program it activates under the name its menu entry is named by, the
    // application id, and at the path spelt the same.
    const QString name = QGuiApplication::desktopFileName();
    const QString path = QLatin1Char('/') + QString(name).replace(QLatin1Char('.'), QLatin1Char('/'));
    // The object is in place before the name, so that no call finds the name without it.
    bus.registerObject(path, this, QDBusConnection::ExportScriptableSlots);
    QDBusMessage request = QDBusMessage::createMethodCall(
        Bus, QStringLiteral("/org/freedesktop/DBus"), Bus, QStringLiteral("RequestName"));
    request << name << DoNotQueue;
    const QDBusMessage granted = bus.call(request, QDBus::Block, int(BusBound.count()));
    // A bus too slow to say is no reason to wait longer: the program runs on its own.
    if (granted.type() != QDBusMessage::ReplyMessage || granted.arguments().value(0).toUInt() == PrimaryOwner)
        return true;
    bus.unregisterObject(path);
    QDBusMessage activate = QDBusMessage::createMethodCall(name, path, Interface, QStringLiteral("Activate"));
    activate << launch.platformData();
    // A program that holds the name but does not answer is no program to hand over to.
    return bus.call(activate, QDBus::Block, int(BusBound.count())).type() != QDBusMessage::ReplyMessage;
}

void ProgramService::Activate(const QVariantMap& platformData)
{
    emit activationRequested(Launch::fromPlatformData(platformData));
}

void ProgramService::Open(const QStringList&, const QVariantMap& platformData)
{
    // The program opens no files: a start with some is a start like any other.
    emit activationRequested(Launch::fromPlatformData(platformData));
}

void ProgramService::ActivateAction(const QString&, const QVariantList&, const QVariantMap& platformData)
{
    emit activationRequested(Launch::fromPlatformData(platformData));
}

} // namespace sostav
