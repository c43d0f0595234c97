#pragma once

#include "shell/Screen.h"

namespace sostav {

// A split diagram: a number joined by two lines to two answer boxes, judged with a face.
// The compositions of 8 and 9 share it and differ only in their tables and targets.
class CompositionForm : public Screen {
    Q_OBJECT

protected:
    CompositionForm(CheckedLayout layout, double target);

private:
    void check();
    void reset();

    double m_target;
};

} // namespace sostav
