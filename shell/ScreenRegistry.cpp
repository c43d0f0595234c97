#include "shell/ScreenRegistry.h"

#include "shell/Foreground.h"
#include "shell/Screen.h"

namespace sostav {

ScreenRegistry::ScreenRegistry(Factory factory)
    : m_factory(factory)
{
}

ScreenRegistry::~ScreenRegistry() = default;

Screen& ScreenRegistry::obtain(ScreenKind kind)
{
    auto& slot = m_slots[kind];
    if (!slot) {
        slot = m_factory(kind);
        Screen* screen = slot.get();
        connect(screen, &Screen::switchRequested, this,
            [this, screen](ScreenKind target) { switchScreen(*screen, target); });
        connect(screen, &Screen::endRequested, this, &ScreenRegistry::endProgram);
        connect(screen, &Screen::verdictShown, this, &ScreenRegistry::verdictShown);
    }
    return *slot;
}

Screen* ScreenRegistry::existing(ScreenKind kind) const
{
    const auto slot = m_slots.find(kind);
    return slot == m_slots.end() ? nullptr : slot->second.get();
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

void ScreenRegistry::bringToFront(const Launch& launch)
{
    for (auto& [kind, slot] : m_slots) {
        if (slot && slot->isVisible()) {
            bringForward(*slot, launch);
            return;
        }
    }
}

void ScreenRegistry::endProgram()
{
    for (auto& [kind, slot] : m_slots) {
        if (slot)
            slot->hide();
    }
    emit programEnded();
}

} // namespace sostav
