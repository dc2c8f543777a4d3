// The widget of a report-mode list view: a header of columns, each with a
// format (alignment) and a width in pixels, and rows of text cells. Internal
// to the window layer; CListCtrl is its interface.
#pragma once

#include "platform/window/WinTypes.h"

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <vector>

class CListViewWidget : public QTreeWidget {
public:
    explicit CListViewWidget(QWidget* parent);

    int ColumnCount() const { return static_cast<int>(m_formats.size()); }
    // Returns the index the column got (index clamped to the columns there
    // are), or -1.
    int InsertColumn(int index, const QString& heading, int format, int width);
    int Format(int column) const { return m_formats.at(static_cast<std::size_t>(column)); }
    void SetFormat(int column, int format);
    int Width(int column) const { return columnWidth(column); }
    void SetWidth(int column, int width);
    // The heading as given; the header shows it cut to its column's width,
    // ending in an ellipsis.
    QString Heading(int column) const { return m_headings.at(static_cast<std::size_t>(column)); }

    int RowCount() const { return topLevelItemCount(); }
    // Returns the index the row got, or -1.
    int InsertRow(int index, const QString& text);
    bool SetCell(int row, int column, const QString& text);
    QString Cell(int row, int column) const;
    void DeleteAllRows();

    // The selection and the keyboard focus of the rows.
    bool IsRowSelected(int row) const;
    // Row -1: every row.
    void SetRowSelected(int row, bool selected);
    int FocusedRow() const;
    void SetFocusedRow(int row);
    void ScrollToRow(int row);

    // Where the table's notifications go: NM_DBLCLK in an NMITEMACTIVATE,
    // and LVN_ITEMCHANGED in an NMLISTVIEW for each row whose selection
    // changed, those deselected first. The handler fills in the sender.
    using NotifyHandler = std::function<void(NMHDR& header)>;
    void SetNotifyHandler(NotifyHandler handler) { m_notify = std::move(handler); }

    // The whole table as tab-separated text: the header row, then every row,
    // each ending with a line feed. Ctrl+C puts it on the clipboard.
    QString AsText() const;
    // How often the table told screen readers that it holds a new result.
    int Announcements() const { return m_announcements; }

    // The alignment a column's cells are drawn with. The leftmost column is
    // always drawn left-aligned, whatever its format says: it holds the row's
    // label, which reads best against the left edge.
    Qt::Alignment CellAlignment(int column) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyAlignment(int column);
    void ApplyHeading(int column);
    // Tells screen readers, once the program is done changing rows, that
    // the table holds a new result.
    void AnnounceChangeLater();
    void NotifySelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void NotifyDoubleClick(QTreeWidgetItem* item, int column);

    std::vector<int> m_formats;
    std::vector<QString> m_headings;
    bool m_announcePending = false;
    int m_announcements = 0;
    NotifyHandler m_notify;
};
