#include "ProgramComparison.h"

#include "TestSupport.h"
#include "shell/ScreenRegistry.h"

#include <QLineEdit>

namespace sostav::test {

namespace {

QString shown(const QString& text)
{
    return text.size() <= 40 ? QStringLiteral("\"%1\"").arg(text)
                             : QStringLiteral("\"%1...\" (%2 characters)").arg(text.left(30)).arg(text.size());
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

std::optional<QString> formDifference(const Screen& screen, Form form, const ProgramModel& model)
{
    const FormShape& shape = ProgramModel::shape(form);
    const FormState& state = model.state(form);
    const bool onDisplay = !model.ended() && model.shown() == form;
    if (screen.isVisible() != onDisplay)
        return QStringLiteral("%1 on display: program %2, model %3")
            .arg(shape.name, yesNo(screen.isVisible()), yesNo(onDisplay));
    for (qsizetype i = 0; i < shape.boxes.size(); ++i) {
        const QLineEdit* box = boxOf(screen, shape.boxes[i].toLatin1().constData());
        const QString text = box ? box->text() : QStringLiteral("(no such box)");
        if (text != state.texts[i])
            return QStringLiteral("%1 %2 holds %3, the model %4")
                .arg(shape.name, shape.boxes[i], shown(text), shown(state.texts[i]));
    }
    // A verdict indicator that went missing counts as hidden.
    for (const auto& [mark, expected] : {std::pair {shape.rightMark, state.right}, {shape.wrongMark, state.wrong}}) {
        const QWidget* widget = form == Form::Form1 ? nullptr : widgetOf(screen, mark.toLatin1().constData());
        const bool visible = widget && widget->isVisibleTo(&screen);
        if (visible != expected)
            return QStringLiteral("%1 %2 visible: program %3, model %4")
                .arg(shape.name, mark, yesNo(visible), yesNo(expected));
    }
    const QWidget* focus = screen.focusWidget();
    const QString name = focus ? focus->objectName() : QStringLiteral("nothing");
    if (onDisplay && name != model.focusName())
        return QStringLiteral("%1 focus on %2, the model on %3").arg(shape.name, name, model.focusName());
    return std::nullopt;
}

} // namespace

ScreenKind KindOf(Form form)
{
    static constexpr ScreenKind Kinds[] {
        ScreenKind::Form1, ScreenKind::Form3, ScreenKind::Form6, ScreenKind::Form7, ScreenKind::Form8};
    return Kinds[std::size_t(form)];
}

std::optional<QString> DifferenceFromModel(const ScreenRegistry& registry, bool programEnded, const ProgramModel& model)
{
    if (programEnded != model.ended())
        return QStringLiteral("program ended: program %1, model %2").arg(yesNo(programEnded), yesNo(model.ended()));
    for (Form form : AllForms) {
        const Screen* screen = registry.existing(KindOf(form));
        if ((screen != nullptr) != model.state(form).exists)
            return QStringLiteral("%1 exists: program %2, model %3")
                .arg(ProgramModel::shape(form).name, yesNo(screen), yesNo(model.state(form).exists));
        if (!screen)
            continue;
        if (auto difference = formDifference(*screen, form, model))
            return difference;
    }
    return std::nullopt;
}

} // namespace sostav::test
