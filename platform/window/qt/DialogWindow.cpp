#include "DialogWindow.h"

#include "ControlAccessibility.h"
#include "ControlFactory.h"
#include "DialogFont.h"
#include "ListViewWidget.h"
#include "WindowPlacement.h"
#include "WindowRouter.h"
#include "platform/window/Menu.h"
#include "platform/window/WindowStyles.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <mutex>

namespace {

// The dialog windows that exist, by handle, for messages posted from other
// threads: a window enters when it is made and leaves as it starts to go.
// (A handle that a later window happens to reuse reaches that window, as a
// reused window handle does on Windows.)
struct CLiveDialogs {
    std::mutex m_mutex;
    std::vector<std::pair<HWND, CDialogWindow*>> m_windows;
};

CLiveDialogs& LiveDialogs()
{
    static CLiveDialogs s_dialogs;
    return s_dialogs;
}

// A posted message, on its way to the window's own thread.
class CPostedMessage : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const auto s_kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return s_kind;
    }

    CPostedMessage(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(Kind()), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }

    const UINT m_message;
    const WPARAM m_wParam;
    const LPARAM m_lParam;
};

bool Has(DWORD style, DWORD bits)
{
    return (style & bits) == bits;
}

Qt::WindowFlags FlagsFor(const CDialogTemplate& dialogTemplate)
{
    // A window of its own in the task bar, or a dialog that belongs to its
    // owner.
    Qt::WindowFlags flags = Has(dialogTemplate.m_exStyle, WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (Has(dialogTemplate.m_style, WS_CAPTION))
        flags |= Qt::WindowTitleHint;
    if (Has(dialogTemplate.m_style, WS_SYSMENU)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (Has(dialogTemplate.m_style, WS_MINIMIZEBOX))
            flags |= Qt::WindowMinimizeButtonHint;
        if (Has(dialogTemplate.m_style, WS_MAXIMIZEBOX))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

} // namespace

CDialogWindow::CDialogWindow(CWnd& owner, QWidget* parent) : QDialog(parent), m_owner(&owner), m_timers(*this)
{
    auto self = std::make_unique<CWindowHandle>();
    self->m_widget = this;
    self->m_dialog = this;
    m_handles.push_back(std::move(self));
    new CCentredPlacement(this);
    CLiveDialogs& live = LiveDialogs();
    const std::lock_guard<std::mutex> guard(live.m_mutex);
    live.m_windows.emplace_back(Handle(), this);
}

CDialogWindow::~CDialogWindow()
{
    {
        // Messages already posted go with the window (the toolkit drops the
        // events of an object that is deleted); none can follow them.
        CLiveDialogs& live = LiveDialogs();
        const std::lock_guard<std::mutex> guard(live.m_mutex);
        std::erase_if(live.m_windows, [this](const auto& entry) { return entry.second == this; });
    }
    m_windowMenu.reset();
}

bool CDialogWindow::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CLiveDialogs& live = LiveDialogs();
    const std::lock_guard<std::mutex> guard(live.m_mutex);
    const auto it = std::find_if(live.m_windows.begin(), live.m_windows.end(),
                                 [hwnd](const auto& entry) { return entry.first == hwnd; });
    if (it == live.m_windows.end())
        return false;
    QCoreApplication::postEvent(it->second, new CPostedMessage(message, wParam, lParam));
    return true;
}

bool CDialogWindow::Build(const CDialogTemplate& dialogTemplate)
{
    setWindowTitle(QString::fromUtf8(dialogTemplate.m_caption != nullptr ? dialogTemplate.m_caption : ""));
    setWindowFlags(FlagsFor(dialogTemplate));
    setFont(DialogFont(dialogTemplate.m_typeface, dialogTemplate.m_pointSize));
    const CDialogBaseUnits baseUnits = BaseUnitsOf(font());
    // The template's size is the client area; a dialog is not resized.
    setFixedSize(DialogUnitsToPixelsX(dialogTemplate.m_cx, baseUnits),
                 DialogUnitsToPixelsY(dialogTemplate.m_cy, baseUnits));
    m_hasWindowMenu = Has(dialogTemplate.m_style, WS_SYSMENU);

    const auto onCommand = [this](int id, UINT notifyCode) { Command(id, notifyCode); };
    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> widgets;
    for (const CDialogItem& item : dialogTemplate.m_items) {
        QWidget* widget = CreateControl(item, this, baseUnits, onCommand);
        if (widget == nullptr)
            return false;
        widgets.push_back(widget);
        if (auto* list = dynamic_cast<CListViewWidget*>(widget)) {
            const int id = item.m_id;
            list->SetNotifyHandler([this, id](NMHDR& header) { Notify(id, header); });
        }
        auto handle = std::make_unique<CWindowHandle>();
        handle->m_widget = widget;
        handle->m_ctrlId = item.m_id;
        m_handles.push_back(std::move(handle));
        // The tab order is the template's order.
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop != nullptr)
                setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
    }
    DescribeControlsForAccessibility(dialogTemplate.m_items, widgets);
    return true;
}

void CDialogWindow::Notify(int id, NMHDR& header)
{
    header.hwndFrom = FindControl(id);
    header.idFrom = static_cast<UINT_PTR>(id);
    if (m_owner != nullptr)
        CWindowRouter::Notify(*m_owner, header);
}

HWND CDialogWindow::FindControl(int id) const
{
    for (std::size_t i = 1; i < m_handles.size(); ++i) {
        if (m_handles[i]->m_ctrlId == id && m_handles[i]->m_widget != nullptr)
            return m_handles[i].get();
    }
    return nullptr;
}

CMenu* CDialogWindow::WindowMenu(bool revert)
{
    if (!m_hasWindowMenu)
        return nullptr;
    if (revert) {
        if (m_menuHandle.m_menu != nullptr)
            m_menuHandle.m_menu->clear();
        return nullptr;
    }
    if (!m_windowMenu) {
        m_menuHandle.m_menu = new QMenu(this);
        m_windowMenu = std::make_unique<CMenu>();
        m_windowMenu->m_hMenu = &m_menuHandle;
    }
    return m_windowMenu.get();
}

void CDialogWindow::PopUpWindowMenu(const QPoint& globalPos, bool fromKeyboard)
{
    QMenu* menu = m_menuHandle.m_menu;
    if (menu == nullptr || menu->isEmpty())
        return;
    QAction* first = nullptr;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            first = action;
            break;
        }
    }
    if (fromKeyboard && first != nullptr)
        menu->setActiveAction(first);
    QPointer<CDialogWindow> guard(this);
    QAction* chosen = menu->exec(globalPos, fromKeyboard ? first : nullptr);
    if (guard == nullptr || chosen == nullptr || m_owner == nullptr)
        return;
    bool isCommand = false;
    const UINT id = chosen->data().toUInt(&isCommand);
    if (isCommand)
        CWindowRouter::SysCommand(*m_owner, id, 0);
}

HICON CDialogWindow::SetIcon(HICON icon, bool bigIcon)
{
    HICON& slot = bigIcon ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    // The toolkit has one window icon in all sizes: the big one, or the
    // small one while no big one is set.
    HICON shown = m_bigIcon != nullptr ? m_bigIcon : m_smallIcon;
    setWindowIcon(shown != nullptr ? shown->m_icon : QIcon());
    return previous;
}

void CDialogWindow::End(int result)
{
    done(result);
}

void CDialogWindow::Command(int id, UINT notifyCode)
{
    if (m_owner != nullptr)
        CWindowRouter::Command(*m_owner, static_cast<UINT>(id), notifyCode);
}

// Esc.
void CDialogWindow::reject()
{
    Command(IDCANCEL, BN_CLICKED);
}

void CDialogWindow::accept()
{
    Command(IDOK, BN_CLICKED);
}

bool CDialogWindow::HasDefaultButton() const
{
    const auto buttons = findChildren<QPushButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* b) { return b->isDefault(); });
}

int CDialogWindow::FocusedControlId() const
{
    const QWidget* focused = focusWidget();
    for (std::size_t i = 1; i < m_handles.size(); ++i) {
        if (m_handles[i]->m_widget == focused)
            return m_handles[i]->m_ctrlId;
    }
    return 0;
}

void CDialogWindow::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        if (m_owner != nullptr) {
            CHelpInfo info{FocusedControlId()};
            CWindowRouter::HelpInfo(*m_owner, &info);
        }
        return;
    }
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        PopUpWindowMenu(mapToGlobal(QPoint(0, 0)), true);
        return;
    }
    // Without a default button, Enter is the OK command.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier && !HasDefaultButton()) {
        Command(IDOK, BN_CLICKED);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key is taken in keyPressEvent; a platform that also turns it
    // into a context-menu event must not open the menu twice.
    if (event->reason() != QContextMenuEvent::Mouse) {
        event->ignore();
        return;
    }
    PopUpWindowMenu(event->globalPos());
}

// The close box: the window menu's close command, as on Windows.
void CDialogWindow::closeEvent(QCloseEvent* event)
{
    if (!isVisible() || m_owner == nullptr) {
        event->accept();
        return;
    }
    QPointer<CDialogWindow> guard(this);
    CWindowRouter::SysCommand(*m_owner, SC_CLOSE, 0);
    if (guard != nullptr && isVisible())
        event->ignore();
    else
        event->accept();
}

void CDialogWindow::paintEvent(QPaintEvent* event)
{
    if (m_owner == nullptr) {
        QDialog::paintEvent(event);
        return;
    }
    m_painting = true;
    CWindowRouter::Paint(*m_owner);
    m_painting = false;
}

// The dialog gives its first tab stop the focus, not a click: the focus
// shows from the start, as after a Tab.
void CDialogWindow::showEvent(QShowEvent* event)
{
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

void CDialogWindow::customEvent(QEvent* event)
{
    if (event->type() != CPostedMessage::Kind()) {
        QDialog::customEvent(event);
        return;
    }
    const auto* posted = static_cast<const CPostedMessage*>(event);
    if (m_owner != nullptr)
        CWindowRouter::Message(*m_owner, posted->m_message, posted->m_wParam, posted->m_lParam);
}

void CDialogWindow::timerEvent(QTimerEvent* event)
{
    const auto id = m_timers.Find(event->timerId());
    if (!id) {
        QDialog::timerEvent(event);
        return;
    }
    if (m_owner != nullptr)
        CWindowRouter::Timer(*m_owner, *id);
}
