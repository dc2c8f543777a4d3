// Helpers of the UI tests: holding the worker at its start, answering modal
// boxes and menus with real clicks, and running a dialog modally with a test
// script inside its loop.
#pragma once

#include "platform/Event.h"
#include "platform/window/Dialog.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Generous bounds for waits on real events; reaching one means a fault. A
// complete search takes about 3 ms, or about 120 ms with the alternatives
// counted, and some ten times that under the sanitizers: ten seconds is
// plenty, and a fault that keeps the timer running costs no more per test.
inline constexpr int WAIT_FOR_SEARCH_MS = 10000;
inline constexpr int WAIT_FOR_UI_MS = 10000;

// Holds every new worker thread before it runs until Open. Counts the
// threads that were started.
class CWorkerGate {
public:
    CWorkerGate();
    ~CWorkerGate();
    CWorkerGate(const CWorkerGate&) = delete;
    CWorkerGate& operator=(const CWorkerGate&) = delete;

    void Open();
    int StartedThreads() const;
    // Opens the gate from another thread as soon as the stop event is set,
    // as the user's OK does while the dialog blocks in its wait.
    void OpenWhenAbortRequested();

private:
    std::thread m_opener;
};

// Restores the process for the next scenario when a test ends, passed or
// not: lets any held worker go, waits until no worker is left, resets the
// stop event and the thread-start failure. Declare it after the dialog, so
// it runs before the dialog (and its status) go.
class CWorkerCleanup {
public:
    CWorkerCleanup() = default;
    ~CWorkerCleanup();
    CWorkerCleanup(const CWorkerCleanup&) = delete;
    CWorkerCleanup& operator=(const CWorkerCleanup&) = delete;
};

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
