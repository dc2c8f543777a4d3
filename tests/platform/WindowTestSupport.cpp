#include "WindowTestSupport.h"

#include "TestAccess.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

QPushButton* ButtonWithText(QWidget* parent, const QString& text)
{
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

CUiResponder::CUiResponder(std::function<QWidget*()> find, std::function<void(QWidget*)> act)
{
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this, find = std::move(find), act = std::move(act)] {
        if (m_done)
            return;
        QWidget* widget = find();
        if (widget == nullptr)
            return;
        m_done = true;
        m_timer.stop();
        act(widget);
    });
    m_timer.start();
}

CUiResponder::~CUiResponder()
{
    m_timer.stop();
}

std::unique_ptr<CUiResponder> AnswerMessageBox(const QString& button, CMessageBoxSeen* seen)
{
    return std::make_unique<CUiResponder>(
        []() -> QWidget* {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr && box->isVisible() ? box : nullptr;
        },
        [button, seen](QWidget* widget) {
            auto* box = static_cast<QMessageBox*>(widget);
            seen->m_title = box->windowTitle();
            seen->m_text = box->text();
            seen->m_warningIcon = box->icon() == QMessageBox::Warning;
            seen->m_frame = box->frameGeometry();
            for (QAbstractButton* b : box->buttons())
                seen->m_buttons << b->text();
            if (QPushButton* target = ButtonWithText(box, button))
                ClickWidget(target);
        });
}

std::unique_ptr<CUiResponder> AnswerAboutBox(QWidget* except, CAboutBoxSeen* seen)
{
    return std::make_unique<CUiResponder>(
        [except]() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == except || !modal->isVisible() || qobject_cast<QMessageBox*>(modal))
                return nullptr;
            return modal;
        },
        [seen](QWidget* box) {
            seen->m_title = box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->pixmap().isNull())
                    seen->m_hasIcon = true;
                else
                    seen->m_labels << label->text();
            }
            seen->m_owner = box->parentWidget();
            seen->m_centre = box->geometry().center();
            if (QPushButton* ok = ButtonWithText(box, QStringLiteral("OK")))
                ClickWidget(ok);
        });
}

std::unique_ptr<CUiResponder> ChooseMenuItem(const QString& item, QStringList* items)
{
    return std::make_unique<CUiResponder>(
        []() -> QWidget* {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr && menu->isVisible() ? menu : nullptr;
        },
        [item, items](QWidget* widget) {
            auto* menu = static_cast<QMenu*>(widget);
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                *items << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (action->text() == item)
                    chosen = action;
            }
            if (chosen != nullptr)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
            else
                menu->close();
        });
}

std::intptr_t RunModal(CDialog& dialog, const std::function<void(QWidget* window)>& script)
{
    QTimer::singleShot(0, [&dialog, &script] {
        QWidget* window = AfxGetWidget(dialog);
        if (window == nullptr)
            return;
        script(window);
        // A dialog the script left open is ended here, with a result no
        // button gives.
        if (AfxGetWidget(dialog) != nullptr && AfxGetWidget(dialog)->isVisible())
            dialog.EndDialog(-2);
    });
    return dialog.DoModal();
}

void ClickWidget(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void RightClick(QWidget* window, QPoint position)
{
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, position);
}
