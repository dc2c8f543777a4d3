// Helpers of the window tests: answering modal boxes and menus with real
// clicks and keys, and running a dialog modally with a test script inside
// its loop.
#pragma once

#include "platform/window/Dialog.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// A generous bound for waits on real events; reaching it means a fault.
inline constexpr int WAIT_FOR_UI_MS = 10000;

// Acts once on the first widget find returns, checking on every turn of the
// event loop (a modal box or menu runs its own loop, where this keeps
// checking).
class CUiResponder {
public:
    CUiResponder(std::function<QWidget*()> find, std::function<void(QWidget*)> act);
    ~CUiResponder();
    CUiResponder(const CUiResponder&) = delete;
    CUiResponder& operator=(const CUiResponder&) = delete;

    bool Done() const { return m_done; }

private:
    QTimer m_timer;
    bool m_done = false;
};

// What a message box showed.
struct CMessageBoxSeen {
    QString m_title;
    QString m_text;
    QStringList m_buttons;
    bool m_warningIcon = false;
    QRect m_frame;
};

// Answers the next message box by clicking the button with the given text.
std::unique_ptr<CUiResponder> AnswerMessageBox(const QString& button, CMessageBoxSeen* seen);

// What the About box showed.
struct CAboutBoxSeen {
    QString m_title;
    QStringList m_labels;
    bool m_hasIcon = false;
    QWidget* m_owner = nullptr;
    QPoint m_centre;
};

// Closes the next modal dialog other than except with its OK button.
std::unique_ptr<CUiResponder> AnswerAboutBox(QWidget* except, CAboutBoxSeen* seen);

// Chooses the item with the given text in the next popup menu; records the
// menu's item texts (separators as "-").
std::unique_ptr<CUiResponder> ChooseMenuItem(const QString& item, QStringList* items);

// Runs dialog modally; script runs inside its loop once it shows. A
// watchdog ends the dialog if the script leaves it open. Returns DoModal's
// result.
std::intptr_t RunModal(CDialog& dialog, const std::function<void(QWidget* window)>& script);

// Clicks a widget's centre with the left button.
void ClickWidget(QWidget* widget);
// Sends a key to the widget that has the keyboard focus in window.
void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A right click at a point of window's client area, through the window
// system, as the user's mouse delivers it.
void RightClick(QWidget* window, QPoint position);
