#include "shell/ProgramService.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace sostav {

namespace {

const QString Name = QStringLiteral("org.sostav.Sostav");
const QString Path = QStringLiteral("/org/sostav/Sostav");
const QString Interface = QStringLiteral("org.freedesktop.Application");

} // namespace

bool ProgramService::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true;
    // The object is in place before the name, so that no call finds the name without it.
    bus.registerObject(Path, this, QDBusConnection::ExportScriptableSlots);
    if (bus.registerService(Name))
        return true;
    bus.unregisterObject(Path);
    QDBusMessage activate = QDBusMessage::createMethodCall(Name, Path, Interface, QStringLiteral("Activate"));
    activate << QVariantMap();
    // A program that holds the name but does not answer is no program to hand over to.
    return bus.call(activate, QDBus::Block, 5000).type() != QDBusMessage::ReplyMessage;
}

void ProgramService::Activate(const QVariantMap&)
{
    emit activationRequested();
}

void ProgramService::Open(const QStringList&, const QVariantMap&)
{
    // The program opens no files: a start with some is a start like any other.
    emit activationRequested();
}

void ProgramService::ActivateAction(const QString&, const QVariantList&, const QVariantMap&)
{
    emit activationRequested();
}

} // namespace sostav
