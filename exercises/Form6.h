#pragma once

#include "shell/Screen.h"

namespace sostav {

// The review worksheet: thirteen blanks over three number tables, judged as a whole.
class Form6 : public Screen {
    Q_OBJECT

public:
    Form6();

protected:
    bool judge() const override;
};

} // namespace sostav
