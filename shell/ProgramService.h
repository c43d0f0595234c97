#pragma once

#include "shell/Launch.h"

#include <QObject>
#include <QVariantMap>

namespace sostav {

// One program per desktop session, the desktop's own way: the first start holds the
// program's well-known name on the session bus, and a later start (a launcher clicked twice)
// asks that program to come to the front instead of opening a second menu over the first,
// handing on what its launcher gave it so that the desktop lets the program take the focus.
class ProgramService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // True when this start is the program: it holds the name now, or there is no session
    // bus to hold it on, or the bus or the program holding the name does not answer in
    // time. False when a program of this session has taken the start over.
    bool claim(const Launch& launch);

public slots: // what the desktop asks of a running program
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(
        const QString& name, const QVariantList& parameter, const QVariantMap& platformData);

signals:
    void activationRequested(const sostav::Launch& launch);
};

} // namespace sostav
