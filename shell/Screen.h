#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

#include <string>

class QLineEdit;

namespace sostav {

struct ScreenLayout;

// One screen: a top-level window that owns the widgets built from its table.
class Screen : public QWidget {
    Q_OBJECT

public:
    explicit Screen(const ScreenLayout& layout);

    // Looks a widget up by the name it carries in the screen's table.
    template <typename T = QWidget> T* widget(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }

    QAbstractButton* button(const char* name) const;
    QLineEdit* textBox(const char* name) const;

    // A box's text as UTF-8, the form the answer rules read.
    std::string answer(const char* name) const;
    void setAnswer(const char* name, const QString& text);
    void setShown(const char* name, bool shown);
    // Runs `action` whenever the named button is pressed.
    template <typename Action> void onPress(const char* name, Action action)
    {
        connect(button(name), &QAbstractButton::clicked, this, action);
    }

    // The widget that takes the focus the first time the screen is shown.
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }

    // Shows the screen as the one on display: raised and active.
    void present();

signals:
    // A verdict came into view and was announced to assistive technology.
    void announced(QWidget* indicator);

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
