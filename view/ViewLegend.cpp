#include "ViewLegend.h"

#include "ScenePainter.h"
#include "TypeColours.h"
#include "ViewTexts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {

// A mark the height of two lines of text, drawn as the picture draws it.
class CLegendMark : public QWidget {
public:
    // type: the index of a type among count types, or -1 for the rowers'
    // figure.
    CLegendMark(QWidget* parent, int type, int count) : QWidget(parent), m_type(type), m_count(count)
    {
        const int height = fontMetrics().height() * 2;
        setFixedSize(height * 3 / 4, height);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const CSceneColours colours = SceneColoursOf(palette(), m_count);
        const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
        if (m_type < 0)
            PaintFigure(painter, area, true, colours);
        else
            PaintTypeGround(painter, area, colours.m_types[static_cast<std::size_t>(m_type)], colours);
    }

private:
    int m_type;
    int m_count;
};

} // namespace

CViewLegend::CViewLegend(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(new CLegendMark(this, -1, 0));
    m_layout->addWidget(new QLabel(QString::fromUtf8(OPERATOR_LEGEND), this));
    m_layout->addStretch();
}

void CViewLegend::SetPuzzle(const CPuzzle& puzzle)
{
    delete m_types;
    m_types = new QWidget(this);
    auto* layout = new QHBoxLayout(m_types);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::vector<std::string> types = TypesOf(puzzle);
    const int count = static_cast<int>(types.size());
    for (int type = 0; type < count; ++type) {
        layout->addWidget(new CLegendMark(m_types, type, count));
        layout->addWidget(new QLabel(QString::fromStdString(types[static_cast<std::size_t>(type)]), m_types));
    }
    // After the rowers' mark and its words, before the stretch.
    m_layout->insertWidget(2, m_types);
}
