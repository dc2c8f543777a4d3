#include "ViewControls.h"

#include <QPushButton>
#include <QShortcut>

QPushButton* MakeViewButton(const char* name, QWidget* parent, std::function<void()> clicked)
{
    const QString text = QString::fromUtf8(name);
    auto* button = new QPushButton(text, parent);
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
