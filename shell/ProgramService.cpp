#include "shell/ProgramService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>

namespace sostav {

namespace {

const QString Interface = QStringLiteral("org.freedesktop.Application");

} // namespace

bool ProgramService::claim()
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
    if (bus.registerService(name))
        return true;
    bus.unregisterObject(path);
    QDBusMessage activate = QDBusMessage::createMethodCall(name, path, Interface, QStringLiteral("Activate"));
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
