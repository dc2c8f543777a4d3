#include "MessageBox.h"

#include "platform/window/WinApp.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconFor(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::Warning;
    }
}

} // namespace

int AfxMessageBox(const char* text, UINT type, UINT)
{
    if (QApplication::instance() == nullptr)
        return IDCANCEL;
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    QMessageBox box(IconFor(type), QString::fromUtf8(AfxGetAppName()), QString::fromUtf8(text != nullptr ? text : ""),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if ((type & MB_TYPEMASK) == MB_OKCANCEL)
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel != nullptr && (type & MB_DEFBUTTON2) != 0 ? cancel : ok);
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    box.exec();
    return box.clickedButton() == cancel && cancel != nullptr ? IDCANCEL : IDOK;
}
