#include "shell/ScreenRegistry.h"

#include "exercises/CompositionForm.h"
#include "exercises/Form3.h"
#include "exercises/Form6.h"
#include "shell/Form1.h"
#include "shell/Screen.h"

namespace sostav {

ScreenRegistry::ScreenRegistry() = default;

ScreenRegistry::~ScreenRegistry() = default;

Screen& ScreenRegistry::obtain(ScreenKind kind)
{
    auto& slot = m_slots[static_cast<std::size_t>(kind)];
    if (!slot)
        slot = create(kind);
    return *slot;
}

Screen* ScreenRegistry::existing(ScreenKind kind) const
{
    return m_slots[static_cast<std::size_t>(kind)].get();
}

void ScreenRegistry::switchScreen(Screen& current, ScreenKind target)
{
    current.hide();
    obtain(target).present();
}

void ScreenRegistry::start()
{
    obtain(ScreenKind::Form1).present();
}

void ScreenRegistry::endProgram()
{
    for (auto& slot : m_slots) {
        if (slot)
            slot->hide();
    }
    emit programEnded();
}

std::unique_ptr<Screen> ScreenRegistry::create(ScreenKind kind)
{
    switch (kind) {
    case ScreenKind::Form1:
        return std::make_unique<Form1>(*this);
    case ScreenKind::Form3:
        return std::make_unique<Form3>(*this);
    case ScreenKind::Form6:
        return std::make_unique<Form6>(*this);
    case ScreenKind::Form7:
    case ScreenKind::Form8:
        break;
    }
    return std::make_unique<CompositionForm>(*this, kind);
}

} // namespace sostav
