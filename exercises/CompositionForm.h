#pragma once

#include "shell/Screen.h"
#include "shell/ScreenKind.h"

namespace sostav {

class ScreenRegistry;

// A split diagram: a number joined by two lines to two answer boxes, judged with a face.
// The compositions of 8 and 9 share it and differ only in data.
class CompositionForm : public Screen {
    Q_OBJECT

public:
    // `kind` is ScreenKind::Form8 or ScreenKind::Form7.
    CompositionForm(ScreenRegistry& registry, ScreenKind kind);

private:
    void check();
    void reset();

    double m_target;
};

} // namespace sostav
