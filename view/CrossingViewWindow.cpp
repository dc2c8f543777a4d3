#include "CrossingViewWindow.h"

#include "CrossingPicture.h"
#include "PictureAccessibility.h"
#include "PlayMode.h"
#include "ReplayMode.h"
#include "ScenePainter.h"
#include "ViewControls.h"
#include "ViewTexts.h"
#include "platform/window/qt/WindowPlacement.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>

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

} // namespace

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
    InstallPictureAccessibility();
    m_picture = new CCrossingPicture(this);
    m_picture->SetObserver(std::make_unique<CPictureAnnouncer>(m_picture));

    const StepDisplay showStep = [this](const QString& caption, const QString& sentence, const CStepScene& scene,
                                        bool announce) { ShowStep(caption, sentence, scene, announce); };
    m_replay = std::make_unique<CReplayMode>(*m_picture, showStep, track, std::move(stepChosen));
    m_play = std::make_unique<CPlayMode>(*m_picture, showStep);
    // The modes' controls join the window after the switch, so that Tab
    // reaches them after it.
    QWidget* modeSwitch = BuildModeSwitch();
    m_modes = new QStackedWidget(this);
    m_modes->addWidget(m_replay->Controls());
    m_modes->addWidget(m_play->Controls());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeSwitch);
    layout->addWidget(m_caption);
    layout->addWidget(m_sentence);
    layout->addWidget(m_picture, 1);
    layout->addWidget(BuildLegend());
    layout->addWidget(m_modes);
    setTabOrder(m_switch.front().first, m_switch.back().first);
    setTabOrder(m_switch.back().first, m_picture);
    setTabOrder(m_picture, m_modes);
    ShowMode(*m_replay);

    AddViewKey(this, QKeySequence(Qt::Key_Escape), [this] { close(); });
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

// Two buttons, of which the shown mode's is pressed. Not an exclusive
// button group: Tab would reach only the pressed one, and the arrow keys
// that move among such buttons belong to the replay.
QWidget* CCrossingViewWindow::BuildModeSwitch()
{
    auto* modeSwitch = new QWidget(this);
    auto* layout = new QHBoxLayout(modeSwitch);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const std::pair<const char*, CViewMode*> modes[] = {{REPLAY_MODE, m_replay.get()}, {PLAY_MODE, m_play.get()}};
    for (const auto& [name, mode] : modes) {
        QPushButton* button = MakeViewButton(name, modeSwitch);
        button->setCheckable(true);
        layout->addWidget(button);
        // Toggled rather than clicked: screen readers toggle a checkable
        // button without clicking it. The shown mode's button stays pressed.
        connect(button, &QPushButton::toggled, this, [this, button, mode = mode](bool pressed) {
            if (pressed) {
                ShowMode(*mode);
            } else {
                const QSignalBlocker quiet(button);
                button->setChecked(true);
            }
        });
        m_switch.emplace_back(button, mode);
    }
    layout->addStretch();
    return modeSwitch;
}

void CCrossingViewWindow::ShowMode(CViewMode& mode)
{
    for (const auto& [button, buttonMode] : m_switch) {
        const QSignalBlocker quiet(button);
        button->setChecked(buttonMode == &mode);
    }
    if (m_shown != &mode) {
        if (m_shown != nullptr)
            m_shown->Leave();
        m_modes->setCurrentWidget(mode.Controls());
        m_shown = &mode;
    }
    mode.Enter();
}

void CCrossingViewWindow::ShowReplay()
{
    ShowMode(*m_replay);
}

void CCrossingViewWindow::FollowTrack(bool newPath)
{
    m_replay->FollowTrack(newPath);
}

void CCrossingViewWindow::Open()
{
    if (!isVisible()) {
        // Before the window manager frames the view, the owner's frame is
        // the best guess of its frame.
        QMargins margins = FrameMarginsOf(this);
        if (margins.isNull())
            margins = FrameMarginsOf(m_owner);
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

void CCrossingViewWindow::ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene,
                                   bool announce)
{
    m_caption->setText(caption);
    m_sentence->setText(sentence);
    m_picture->ShowScene(scene, caption + QLatin1Char(' ') + sentence, announce);
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
    m_shown->Stop();
    event->accept();
}
