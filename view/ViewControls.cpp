#include "ViewControls.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

// A push button that Space presses when it has the focus, even where Space
// is a key of the whole window: a window's key goes before the focused
// widget's unless the widget claims it first.
class CViewButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                event->accept();
                return true;
            }
        }
        return QPushButton::event(event);
    }
};

} // namespace

QPushButton* MakeViewButton(const char* name, QWidget* parent, std::function<void()> clicked)
{
    const QString text = QString::fromUtf8(name);
    auto* button = new CViewButton(text, parent);
    button->setAccessibleName(text);
    button->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the button that has the focus, although the view is no
    // dialog.
    button->setAutoDefault(true);
    if (clicked)
        QObject::connect(button, &QPushButton::clicked, button, std::move(clicked));
    return button;
}

void AddViewKey(QWidget* owner, const QKeySequence& key, std::function<void()> act)
{
    auto* shortcut = new QShortcut(key, owner);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, owner, std::move(act));
}
