#pragma once

#include "shell/Screen.h"

namespace sostav {

class ScreenRegistry;

// The composition of 10: [box] + [box] = 10, judged with a word above each box.
class Form3 : public Screen {
    Q_OBJECT

public:
    explicit Form3(ScreenRegistry& registry);

private:
    void check();
    void reset();
    bool sumIsTen() const;
};

} // namespace sostav
