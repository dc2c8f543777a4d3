#include "ControlFactory.h"

#include "ControlAccessibility.h"
#include "ListViewWidget.h"
#include "platform/window/Icon.h"
#include "platform/window/WindowStyles.h"
#include "qt/WindowHandle.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <cstdlib>
#include <cstring>

namespace {

bool Has(DWORD style, DWORD bits)
{
    return (style & bits) == bits;
}

QString Text(const char* text)
{
    return QString::fromUtf8(text != nullptr ? text : "");
}

// Tab stops take the focus from the keyboard and the mouse; other controls
// that can hold the focus take it only from the mouse.
Qt::FocusPolicy FocusPolicyFor(DWORD style)
{
    return Has(style, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}

QWidget* CreateButton(const CDialogItem& item, QWidget* parent, const ControlCommandHandler& onCommand)
{
    QAbstractButton* button = nullptr;
    switch (item.m_style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: {
        auto* push = new QPushButton(Text(item.m_text), parent);
        push->setAutoDefault(true);
        push->setDefault((item.m_style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button = push;
        break;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        // Both kinds tick themselves; the program uses only automatic ones.
        button = new QCheckBox(Text(item.m_text), parent);
        break;
    default:
        return nullptr;
    }
    const int id = item.m_id;
    QObject::connect(button, &QAbstractButton::clicked, button, [onCommand, id] { onCommand(id, BN_CLICKED); });
    return button;
}

QWidget* CreateEdit(const CDialogItem& item, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    // Before anything is set, which a screen reader may already watch.
    MarkAsLabelledField(edit);
    edit->setText(Text(item.m_text));
    edit->setReadOnly(Has(item.m_style, ES_READONLY));
    edit->setFrame(Has(item.m_style, WS_BORDER));
    const DWORD align = item.m_style & (ES_CENTER | ES_RIGHT);
    edit->setAlignment((align == ES_RIGHT    ? Qt::AlignRight
                        : align == ES_CENTER ? Qt::AlignHCenter
                                             : Qt::AlignLeft) |
                       Qt::AlignVCenter);
    if (edit->isReadOnly()) {
        // Read-only fields wear the dialog's face colour, not the white of
        // a field that takes input.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    // A right click on a field opens the dialog's window menu.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    return edit;
}

QWidget* CreateIcon(const CDialogItem& item, QWidget* parent)
{
    auto* label = new QLabel(parent);
    // The text names the icon resource: "#<id>".
    const char* name = item.m_text != nullptr ? item.m_text : "";
    HICON icon = name[0] == '#' ? AfxLoadIcon(static_cast<UINT>(std::strtoul(name + 1, nullptr, 10))) : nullptr;
    if (icon != nullptr)
        label->setPixmap(icon->m_icon.pixmap(ICON_SIZE, ICON_SIZE));
    return label;
}

QWidget* CreateStatic(const CDialogItem& item, QWidget* parent)
{
    const DWORD kind = item.m_style & SS_TYPEMASK;
    if (kind == SS_ICON)
        return CreateIcon(item, parent);
    if (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT)
        return nullptr;
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(Has(item.m_style, SS_NOPREFIX) ? Text(item.m_text) : StaticTextWithoutPrefix(item.m_text));
    const Qt::Alignment horizontal = kind == SS_CENTER  ? Qt::AlignHCenter
                                     : kind == SS_RIGHT ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    const bool singleLine = Has(item.m_style, SS_CENTERIMAGE);
    label->setAlignment(horizontal | (singleLine ? Qt::AlignVCenter : Qt::AlignTop));
    label->setWordWrap(!singleLine);
    return label;
}

QWidget* CreateListView(const CDialogItem& item, QWidget* parent)
{
    auto* list = new CListViewWidget(parent);
    list->setFrameShape(Has(item.m_style, WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    if (Has(item.m_style, LVS_SINGLESEL))
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QWidget* CreateProgress(QWidget* parent)
{
    // The toolkit's bar is smooth; block bars are not provided.
    auto* progress = new QProgressBar(parent);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);
    return progress;
}

} // namespace

QString StaticTextWithoutPrefix(const char* text)
{
    const QString source = Text(text);
    QString shown;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == u'&' && i + 1 < source.size())
            ++i;
        shown += source[i];
    }
    return shown;
}

QWidget* CreateControl(const CDialogItem& item, QWidget* parent, CDialogBaseUnits base,
                       const ControlCommandHandler& onCommand)
{
    const char* className = item.m_className != nullptr ? item.m_className : "";
    QWidget* widget = nullptr;
    Qt::FocusPolicy focus = FocusPolicyFor(item.m_style);
    if (std::strcmp(className, WC_BUTTON) == 0) {
        widget = CreateButton(item, parent, onCommand);
    } else if (std::strcmp(className, WC_EDIT) == 0) {
        widget = CreateEdit(item, parent);
    } else if (std::strcmp(className, WC_STATIC) == 0) {
        widget = CreateStatic(item, parent);
        focus = Qt::NoFocus;
    } else if (std::strcmp(className, WC_LISTVIEW) == 0) {
        widget = CreateListView(item, parent);
    } else if (std::strcmp(className, PROGRESS_CLASS) == 0) {
        widget = CreateProgress(parent);
        focus = Qt::NoFocus;
    }
    if (widget == nullptr)
        return nullptr;

    widget->setFocusPolicy(focus);
    const CRect rect = DialogRectToPixels(item.m_x, item.m_y, item.m_cx, item.m_cy, base);
    if ((item.m_style & SS_TYPEMASK) == SS_ICON && std::strcmp(className, WC_STATIC) == 0)
        widget->setGeometry(rect.m_left, rect.m_top, ICON_SIZE, ICON_SIZE); // icons keep their own size
    else
        widget->setGeometry(rect.m_left, rect.m_top, rect.Width(), rect.Height());
    widget->setEnabled(!Has(item.m_style, WS_DISABLED));
    if (!Has(item.m_style, WS_VISIBLE))
        widget->hide();
    return widget;
}
