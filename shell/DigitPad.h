#pragma once

#include <QWidget>

class QPushButton;

namespace sostav {

// Keys for a finger, laid out as on a telephone: 1 to 9, then erase, 0 and a key that puts
// the pad away. A key types into the answer box that holds its window's focus, as the same
// key of a keyboard would; the pad itself never takes the focus, so the box keeps its cursor
// and selection and the screen's tab order is the one it was designed with.
class DigitPad : public QWidget {
    Q_OBJECT

public:
    explicit DigitPad(QWidget& window);

    // The least room the keys need, whatever size the screen beside them; given more height,
    // the keys grow a little and stay centred.
    static const QSize LeastSize;

signals:
    void putAwayTapped();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* addKey(const QString& caption, const QString& name);
    void type(Qt::Key key, const QString& text) const;

    QList<QPushButton*> m_keys; // row by row, left to right
};

} // namespace sostav
