#include "CrossingViewWindow.h"

#include "CrossingPicture.h"
#include "ReplayMode.h"
#include "ScenePainter.h"
#include "ViewTexts.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>

#include <algorithm>

namespace {

// The operators' mark, as the picture draws it.
class COperatorMark : public QWidget {
public:
    explicit COperatorMark(QWidget* parent) : QWidget(parent)
    {
        const int height = fontMetrics().height() * 2;
        setFixedSize(height * 3 / 4, height);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintFigure(painter, QRectF(rect()).adjusted(1, 1, -1, -1), true, SceneColoursOf(palette()));
    }
};

QMargins FrameMarginsOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

} // namespace

QRect BesideGeometry(const QRect& ownerFrame, const QSize& frameSize, int minimumWidth, const QRect& available)
{
    const int rightRoom = available.right() - ownerFrame.right();
    const int leftRoom = ownerFrame.left() - available.left();
    int width = frameSize.width();
    int x = 0;
    if (width <= rightRoom) {
        x = ownerFrame.right() + 1;
    } else if (width <= leftRoom) {
        x = ownerFrame.left() - width;
    } else if (std::max(rightRoom, leftRoom) >= minimumWidth) {
        // Narrower, but beside the owner rather than over it.
        width = std::max(rightRoom, leftRoom);
        x = rightRoom >= leftRoom ? ownerFrame.right() + 1 : ownerFrame.left() - width;
    } else {
        width = std::min(width, available.width());
        x = available.right() + 1 - width;
    }
    x = std::max(x, available.left());
    const int y = std::clamp(ownerFrame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frameSize.height()));
    return QRect(QPoint(x, y), QSize(width, frameSize.height()));
}

CCrossingViewWindow::CCrossingViewWindow(QWidget* owner, CReplayTrack& track, std::function<void(int)> stepChosen)
    : QWidget(owner, Qt::Window), m_owner(owner)
{
    setWindowTitle(owner->windowTitle() + QString::fromUtf8(VIEW_TITLE_SUFFIX));
    setWindowIcon(owner->windowIcon());
    // The main window's face, at the desktop's size.
    QFont face = QApplication::font();
    face.setFamily(QFontInfo(owner->font()).family());
    setFont(face);

    m_caption = new QLabel(this);
    QFont captionFont = face;
    captionFont.setBold(true);
    captionFont.setPointSizeF(face.pointSizeF() * 1.25);
    m_caption->setFont(captionFont);
    m_sentence = new QLabel(this);
    QFont sentenceFont = face;
    sentenceFont.setPointSizeF(face.pointSizeF() * 1.1);
    m_sentence->setFont(sentenceFont);
    m_sentence->setWordWrap(true);
    m_sentence->setMinimumHeight(m_sentence->fontMetrics().lineSpacing() * 2);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture = new CCrossingPicture(this);

    m_modes = new QStackedWidget(this);
    m_replay = std::make_unique<CReplayMode>(*this, track, std::move(stepChosen));
    m_modes->addWidget(m_replay->Controls());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_sentence);
    layout->addWidget(m_picture, 1);
    layout->addWidget(BuildLegend());
    layout->addWidget(m_modes);
    setTabOrder(m_picture, m_modes);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    QObject::connect(close, &QShortcut::activated, this, &QWidget::close);
    owner->installEventFilter(this);

    const QScreen* screen = owner->screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() * 9 / 10 : QSize(1024, 768);
    resize(sizeHint().boundedTo(room).expandedTo(minimumSizeHint()));
}

CCrossingViewWindow::~CCrossingViewWindow() = default;

QWidget* CCrossingViewWindow::BuildLegend()
{
    auto* legend = new QWidget(this);
    auto* layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new COperatorMark(legend));
    auto* text = new QLabel(QString::fromUtf8(OPERATOR_LEGEND), legend);
    layout->addWidget(text);
    layout->addStretch();
    return legend;
}

void CCrossingViewWindow::Open()
{
    if (!isVisible()) {
        // Before the window manager frames the view, the owner's frame is
        // the best guess of its frame.
        const QMargins margins = FrameMarginsOf(m_owner);
        const QScreen* screen = m_owner->screen();
        if (screen != nullptr) {
            const QRect frame = BesideGeometry(m_owner->frameGeometry(), size().grownBy(margins),
                                               minimumSizeHint().width() + margins.left() + margins.right(),
                                               screen->availableGeometry());
            resize(frame.width() - margins.left() - margins.right(), height());
            move(frame.topLeft());
        }
        show();
    }
    raise();
    activateWindow();
}

void CCrossingViewWindow::ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene)
{
    m_caption->setText(caption);
    m_sentence->setText(sentence);
    m_picture->ShowScene(scene, caption + QLatin1Char(' ') + sentence);
}

// The view closes with its owner, and does not wait for anything to do so.
bool CCrossingViewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

void CCrossingViewWindow::closeEvent(QCloseEvent* event)
{
    m_replay->Stop();
    event->accept();
}
