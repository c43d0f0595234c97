#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLineEdit;

namespace sostav {

struct ScreenSpec;

// One screen: a top-level window that owns the widgets built from its table.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(const ScreenSpec& spec);

    // Looks a widget up by the name it carries in the screen's table.
    template <typename T = QWidget> T* widget(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }

    QAbstractButton* button(const char* name) const;
    QLineEdit* textBox(const char* name) const;

    // The widget that takes the focus the first time the screen is shown.
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }

    // Shows the screen as the one on display: raised and active.
    void present();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_firstFocus;
    QPointer<QWidget> m_lastFocus;
    bool m_shownBefore = false;
};

} // namespace sostav
