#pragma once

#include <QLineEdit>

namespace sostav {

// A single-line answer box. A child may type or paste any amount of text; it is judged
// only when the check button is pressed, so nothing is filtered or capped here.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);
};

} // namespace sostav
