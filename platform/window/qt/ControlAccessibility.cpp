#include "ControlAccessibility.h"

#include "platform/window/WindowStyles.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>

#include <cstring>

namespace {

// The property that ties a field to the control that labels it.
constexpr const char* LABEL_PROPERTY = "torvalyLabelledBy";

bool IsClass(const CDialogItem& item, const char* className)
{
    return item.m_className != nullptr && std::strcmp(item.m_className, className) == 0;
}

bool IsField(const CDialogItem& item)
{
    return IsClass(item, WC_EDIT);
}

// A static text or a check box: the controls whose caption names a field.
bool IsCaption(const CDialogItem& item)
{
    if (IsClass(item, WC_STATIC)) {
        const DWORD kind = item.m_style & SS_TYPEMASK;
        return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
    }
    if (IsClass(item, WC_BUTTON)) {
        const DWORD kind = item.m_style & BS_TYPEMASK;
        return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX;
    }
    return false;
}

QString CaptionOf(const QWidget* widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    if (!widget->accessibleName().isEmpty())
        text = widget->accessibleName();
    return text.remove(QLatin1Char('&'));
}

// A field as a screen reader sees it: named by its label and related to it,
// its text readable, and read-only when the template says so.
class CFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CFieldAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    QWidget* Label() const { return qobject_cast<QWidget*>(Edit()->property(LABEL_PROPERTY).value<QObject*>()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Edit()->accessibleName().isEmpty() && Label() != nullptr)
            return CaptionOf(Label());
        if (t == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = Edit()->isReadOnly();
        s.editable = !Edit()->isReadOnly();
        return s;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found;
        for (const auto& relation : QAccessibleWidget::relations(match)) {
            if (relation.second != QAccessible::Label)
                found.append(relation);
        }
        if ((match & QAccessible::Label) && Label() != nullptr)
            found.append({QAccessible::queryAccessibleInterface(Label()), QAccessible::Label});
        return found;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface, over the field's own text and selection.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        const bool has = selectionIndex == 0 && Edit()->hasSelectedText();
        *startOffset = has ? Edit()->selectionStart() : 0;
        *endOffset = has ? Edit()->selectionEnd() : 0;
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { Edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        Edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return Edit()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
    // Not given: the field lays its text out itself.
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint& point) const override
    {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { Edit()->setCursorPosition(startIndex); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return QString();
    }
};

// A progress bar shows, it takes no input: no value to set, so no increase
// or decrease actions; its position is told as a percentage.
class CProgressAccessible : public QAccessibleWidget {
public:
    explicit CProgressAccessible(QProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* bar = static_cast<const QProgressBar*>(widget());
        if (t == QAccessible::Value || t == QAccessible::Description) {
            const int span = bar->maximum() - bar->minimum();
            const int percent = span > 0 ? (bar->value() - bar->minimum()) * 100 / span : 0;
            return QStringLiteral("%1%").arg(percent);
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface* CreateControlAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit") && object->property(LABEL_PROPERTY).isValid())
        return new CFieldAccessible(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("QProgressBar"))
        return new CProgressAccessible(static_cast<QProgressBar*>(object));
    return nullptr;
}

void InstallControlAccessibility()
{
    static const bool s_installed = [] {
        QAccessible::installFactory(&CreateControlAccessible);
        return true;
    }();
    (void)s_installed;
}

// The index of the item that labels the field at index, or -1: the static
// text or check box just before it in the template, else the nearest one
// right above it (spanning its left edge), as dialogs lay captions out.
int LabelOfField(std::span<const CDialogItem> items, std::size_t index)
{
    if (index > 0 && IsCaption(items[index - 1]))
        return static_cast<int>(index - 1);
    const CDialogItem& field = items[index];
    int best = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CDialogItem& item = items[i];
        const bool above = item.m_y + item.m_cy <= field.m_y;
        const bool spans = item.m_x <= field.m_x && field.m_x < item.m_x + item.m_cx;
        if (IsCaption(item) && above && spans && (best < 0 || item.m_y > items[best].m_y))
            best = static_cast<int>(i);
    }
    return best;
}

} // namespace

void MarkAsLabelledField(QLineEdit* edit)
{
    InstallControlAccessibility();
    edit->setProperty(LABEL_PROPERTY, QVariant::fromValue<QObject*>(nullptr));
}

void DescribeControlsForAccessibility(std::span<const CDialogItem> items, const std::vector<QWidget*>& widgets)
{
    InstallControlAccessibility();

    for (std::size_t i = 0; i < items.size() && i < widgets.size(); ++i) {
        QWidget* widget = widgets[i];
        if (items[i].m_accessibleName != nullptr)
            widget->setAccessibleName(QString::fromUtf8(items[i].m_accessibleName));
        if (!IsField(items[i]))
            continue;
        const int label = LabelOfField(items, i);
        if (label < 0)
            continue;
        widget->setProperty(LABEL_PROPERTY, QVariant::fromValue<QObject*>(widgets[static_cast<std::size_t>(label)]));
        // A label also tells the toolkit whom it labels.
        if (auto* text = qobject_cast<QLabel*>(widgets[static_cast<std::size_t>(label)]))
            text->setBuddy(widget);
    }
}
