#include "MessageBox.h"

#include "platform/window/WinApp.h"
#include "qt/WindowPlacement.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int AfxMessageBox(const char* text, UINT type)
{
    if (QApplication::instance() == nullptr)
        return IDCANCEL;
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(AfxGetAppName()),
                    QString::fromUtf8(text != nullptr ? text : ""), QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    new CCentredPlacement(&box);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if ((type & MB_TYPEMASK) == MB_OKCANCEL)
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel != nullptr ? cancel : ok);
    box.exec();
    return box.clickedButton() == cancel && cancel != nullptr ? IDCANCEL : IDOK;
}
