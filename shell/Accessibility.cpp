#include "shell/Accessibility.h"

#include "shell/LineWidget.h"
#include "shell/RoleHandles.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace sostav {

namespace {

constexpr char ScreenMark[] = "sostavScreen";
constexpr char VerdictMark[] = "sostavVerdict";

// A screen is a frame, as a screen reader expects of a top-level window, named by its
// accessible name. Lines only join what the numbers and boxes already say, so they are
// left out rather than met as nameless stops.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return int(meaningful().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = meaningful();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(meaningful().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> meaningful() const
    {
        QList<QWidget*> children;
        for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isWindow() && !qobject_cast<LineWidget*>(w))
                children << w;
        return children;
    }
};

// Qt 6.4 passes no alert event on to AT-SPI, and Orca stays silent when a label or an image
// comes into view; a notification coming into view it speaks, role word and name, without
// moving the focus.
class VerdictAccessible : public QAccessibleWidget {
public:
    explicit VerdictAccessible(QWidget* indicator)
        : QAccessibleWidget(indicator, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // A word is named by its caption, a face by the name its row gives it.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (auto* label = qobject_cast<QLabel*>(widget()))
                return label->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (w && w->property(VerdictMark).toBool())
        return new VerdictAccessible(w);
    if (w && w->property(ScreenMark).toBool())
        return new ScreenAccessible(w);
    return nullptr;
}

// Qt builds a widget's interface while the widget is still being constructed, before it
// is marked; dropping that early one makes the next query reach interfaceFor.
void renew(QWidget* w)
{
    if (QAccessibleInterface* early = w ? QAccessible::queryAccessibleInterface(w) : nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

} // namespace

void exposeToAssistiveTechnology(QWidget& window, const RoleHandles& roles)
{
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
    window.setProperty(ScreenMark, true);
    renew(&window);
    for (QWidget* verdict : {roles.rightVerdict, roles.wrongVerdict}) {
        if (!verdict)
            continue;
        verdict->setProperty(VerdictMark, true);
        renew(verdict);
    }
}

} // namespace sostav
