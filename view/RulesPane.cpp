#include "RulesPane.h"

#include "ScenePainter.h"
#include "ViewControls.h"
#include "ViewTexts.h"

#include <QBoxLayout>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>

namespace {

// The list is at least this many Japanese characters wide.
constexpr int WIDTH_IN_CHARACTERS = 12;

// A numbered rule after its number, as the judge numbers it: "2. …".
std::string LineText(const CPanelLine& line)
{
    if (line.m_kind == CPanelLine::Kind::RULE)
        return std::to_string(line.m_rule) + ". " + line.m_text;
    return line.m_text;
}

} // namespace

CRulesPane::CRulesPane(QWidget* parent) : QWidget(parent), m_list(new QListWidget(this))
{
    m_list->setAccessibleName(QString::fromUtf8(RULES_LIST));
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Lines that wrap are told apart by their ground.
    m_list->setAlternatingRowColors(true);
    // Only the highlighted line is ever selected, by Highlight.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFocusPolicy(Qt::StrongFocus);
    const int em = fontMetrics().height();
    m_list->setMinimumWidth(em * WIDTH_IN_CHARACTERS);
    m_list->setMinimumHeight(em * 4);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    ColourHighlight();

    // The window's, which lays it out outside the pane.
    m_fold = MakeViewButton(RULES_BUTTON, parent);
    m_fold->setCheckable(true);
    m_fold->setChecked(true);
    // Toggled, as screen readers toggle it too.
    connect(m_fold, &QPushButton::toggled, this, [this](bool shown) {
        m_foldedByUser = true;
        setVisible(shown);
    });
}

void CRulesPane::SetFolded(bool folded)
{
    const bool byUser = m_foldedByUser;
    m_fold->setChecked(!folded);
    setVisible(!folded);
    m_foldedByUser = byUser;
}

QWidget* CRulesPane::List() const
{
    return m_list;
}

void CRulesPane::Show(const std::vector<CPanelLine>& lines, int highlighted)
{
    bool same = lines.size() == m_texts.size();
    for (std::size_t line = 0; same && line < lines.size(); ++line)
        same = LineText(lines[line]) == m_texts[line];
    if (!same)
        Fill(lines);
    Highlight(highlighted);
}

void CRulesPane::Fill(const std::vector<CPanelLine>& lines)
{
    m_list->clear();
    m_texts.clear();
    m_highlighted = -1;
    for (const CPanelLine& line : lines) {
        m_texts.push_back(LineText(line));
        auto* item = new QListWidgetItem(QString::fromStdString(m_texts.back()), m_list);
        item->setFlags(Qt::ItemIsEnabled);
    }
    // No line looks current before the user moves among them.
    m_list->setCurrentItem(nullptr);
}

void CRulesPane::Highlight(int line)
{
    if (line == m_highlighted)
        return;
    if (QListWidgetItem* was = m_list->item(m_highlighted)) {
        was->setSelected(false);
        was->setFlags(Qt::ItemIsEnabled);
        was->setFont(m_list->font());
    }
    m_highlighted = line;
    QListWidgetItem* item = m_list->item(line);
    if (item == nullptr)
        return;
    // Selectable while it is the highlighted line alone, so that a click
    // selects no other.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setSelected(true);
    QFont bold = m_list->font();
    bold.setBold(true);
    item->setFont(bold);
    m_list->scrollToItem(item);
}

void CRulesPane::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        ColourHighlight();
    QWidget::changeEvent(event);
}

// The highlight as strong whether or not the list has the focus, in the
// colour of the frames round those a refused trip concerns.
void CRulesPane::ColourHighlight()
{
    QPalette colours = palette();
    const QColor concerned = SceneColoursOf(colours).m_concerned;
    const QColor base = colours.color(QPalette::Base);
    const QColor ground =
        QColor::fromRgbF(base.redF() * 0.7f + concerned.redF() * 0.3f, base.greenF() * 0.7f + concerned.greenF() * 0.3f,
                         base.blueF() * 0.7f + concerned.blueF() * 0.3f);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, ground);
        colours.setColor(group, QPalette::HighlightedText, colours.color(group, QPalette::Text));
    }
    m_list->setPalette(colours);
}
