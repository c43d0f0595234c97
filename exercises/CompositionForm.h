#pragma once

#include "shell/Screen.h"

namespace sostav {

// A composition screen: two answer boxes whose sum must make the screen's number. The
// compositions of 10, 9 and 8 differ only in their tables and targets.
class CompositionForm : public Screen {
    Q_OBJECT

protected:
    CompositionForm(const ScreenLayout& layout, double target);

    bool judge() const override;

private:
    double m_target;
};

} // namespace sostav
