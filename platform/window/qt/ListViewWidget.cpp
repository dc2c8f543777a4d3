#include "ListViewWidget.h"

#include "platform/window/ListCtrl.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <set>

CListViewWidget::CListViewWidget(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setMinimumSectionSize(0);
    // Right clicks on the table open nothing, not even the dialog's menu.
    setContextMenuPolicy(Qt::PreventContextMenu);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                NotifySelectionChanged(selected, deselected);
            });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int column) { NotifyDoubleClick(item, column); });
}

int CListViewWidget::InsertColumn(int index, const QString& heading, int format, int width)
{
    if (index < 0)
        return -1;
    index = std::min(index, ColumnCount());
    if (!model()->insertColumn(index))
        return -1;
    m_formats.insert(m_formats.begin() + index, format);
    m_headings.insert(m_headings.begin() + index, heading);
    SetWidth(index, std::max(width, 0));
    for (int column = index; column < ColumnCount(); ++column)
        ApplyAlignment(column);
    return index;
}

void CListViewWidget::SetWidth(int column, int width)
{
    setColumnWidth(column, width);
    ApplyHeading(column);
}

// A heading wider than its column ends in an ellipsis instead of being cut
// on both sides; the whole of it shows as the tip.
void CListViewWidget::ApplyHeading(int column)
{
    const QString& heading = Heading(column);
    const int margins = 2 * header()->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header());
    const QString shown =
        header()->fontMetrics().elidedText(heading, Qt::ElideRight, std::max(columnWidth(column) - margins, 0));
    headerItem()->setText(column, shown);
    headerItem()->setToolTip(column, shown != heading ? heading : QString());
}

void CListViewWidget::SetFormat(int column, int format)
{
    m_formats.at(static_cast<std::size_t>(column)) = format;
    ApplyAlignment(column);
}

int CListViewWidget::InsertRow(int index, const QString& text)
{
    if (index < 0)
        return -1;
    index = std::min(index, RowCount());
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setText(0, text);
    for (int column = 0; column < ColumnCount(); ++column)
        item->setTextAlignment(column, CellAlignment(column));
    insertTopLevelItem(index, item);
    AnnounceChangeLater();
    return index;
}

void CListViewWidget::DeleteAllRows()
{
    clear();
    AnnounceChangeLater();
}

bool CListViewWidget::SetCell(int row, int column, const QString& text)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr || column < 0 || column >= ColumnCount())
        return false;
    item->setText(column, text);
    AnnounceChangeLater();
    return true;
}

bool CListViewWidget::IsRowSelected(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr && item->isSelected();
}

void CListViewWidget::SetRowSelected(int row, bool selected)
{
    if (row < 0) {
        if (selected)
            selectAll();
        else
            clearSelection();
        return;
    }
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setSelected(selected);
}

int CListViewWidget::FocusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CListViewWidget::SetFocusedRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

void CListViewWidget::ScrollToRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void CListViewWidget::NotifySelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (!m_notify)
        return;
    const auto rowsOf = [](const QItemSelection& selection) {
        std::set<int> rows;
        for (const QModelIndex& index : selection.indexes())
            rows.insert(index.row());
        return rows;
    };
    const auto notify = [this](int row, UINT oldState, UINT newState) {
        NMLISTVIEW change{{nullptr, 0, LVN_ITEMCHANGED}, row, 0, newState, oldState, LVIF_STATE};
        m_notify(change.hdr);
    };
    for (int row : rowsOf(deselected))
        notify(row, LVIS_SELECTED, 0);
    for (int row : rowsOf(selected))
        notify(row, 0, LVIS_SELECTED);
}

void CListViewWidget::NotifyDoubleClick(QTreeWidgetItem* item, int column)
{
    if (!m_notify)
        return;
    NMITEMACTIVATE activate{{nullptr, 0, NM_DBLCLK}, indexOfTopLevelItem(item), column};
    m_notify(activate.hdr);
}

QString CListViewWidget::Cell(int row, int column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr && column >= 0 && column < ColumnCount() ? item->text(column) : QString();
}

Qt::Alignment CListViewWidget::CellAlignment(int column) const
{
    if (column <= 0 || column >= ColumnCount())
        return Qt::AlignLeft | Qt::AlignVCenter;
    switch (Format(column) & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void CListViewWidget::ApplyAlignment(int column)
{
    const Qt::Alignment alignment = CellAlignment(column);
    headerItem()->setTextAlignment(column, alignment);
    for (int row = 0; row < RowCount(); ++row)
        topLevelItem(row)->setTextAlignment(column, alignment);
}

QString CListViewWidget::AsText() const
{
    QString text;
    const auto appendLine = [this, &text](const std::function<QString(int)>& cell) {
        for (int column = 0; column < ColumnCount(); ++column)
            text += (column > 0 ? QStringLiteral("\t") : QString()) + cell(column);
        text += QLatin1Char('\n');
    };
    appendLine([this](int column) { return Heading(column); });
    for (int row = 0; row < RowCount(); ++row)
        appendLine([this, row](int column) { return Cell(row, column); });
    return text;
}

void CListViewWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(AsText());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CListViewWidget::AnnounceChangeLater()
{
    if (m_announcePending)
        return;
    m_announcePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_announcePending = false;
            ++m_announcements;
            QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}
