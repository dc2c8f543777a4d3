#include "CrossingViewWindow.h"

#include "CrossingPicture.h"
#include "PictureAccessibility.h"
#include "PlayMode.h"
#include "ReplayMode.h"
#include "RulesPane.h"
#include "ViewControls.h"
#include "ViewLegend.h"
#include "ViewTexts.h"
#include "platform/window/qt/WindowPlacement.h"
#include "puzzle/PuzzleReader.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace {

// The one local file that a drag carries, or "" for anything else.
QString DraggedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

CCrossingViewWindow::CCrossingViewWindow(QWidget* owner, const QString& titlePrefix, const QFont& ownerFace,
                                         CCrossingSession& session, std::function<void(int)> stepChosen)
    : QWidget(owner, Qt::Window), m_owner(owner), m_titlePrefix(titlePrefix), m_session(session),
      m_stepChosen(std::move(stepChosen))
{
    setWindowIcon(owner != nullptr ? owner->windowIcon() : QApplication::windowIcon());
    // The main window's face, at the desktop's size.
    QFont face = QApplication::font();
    face.setFamily(QFontInfo(ownerFace).family());
    setFont(face);

    m_caption = new QLabel(this);
    QFont captionFont = face;
    captionFont.setBold(true);
    captionFont.setPointSizeF(face.pointSizeF() * 1.25);
    m_caption->setFont(captionFont);
    // The time taken, in a puzzle with times.
    m_time = new QLabel(this);
    m_time->setFont(captionFont);
    // How many trips a puzzle other than the built-in one takes.
    m_summary = new QLabel(this);
    m_sentence = new QLabel(this);
    QFont sentenceFont = face;
    sentenceFont.setPointSizeF(face.pointSizeF() * 1.1);
    m_sentence->setFont(sentenceFont);
    m_sentence->setWordWrap(true);
    m_sentence->setMinimumHeight(m_sentence->fontMetrics().lineSpacing() * 2);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    InstallPictureAccessibility();
    m_picture = new CCrossingPicture(this, session.Puzzle());
    m_picture->SetObserver(std::make_unique<CPictureAnnouncer>(m_picture));

    const StepDisplay showStep = [this](bool announce) { ShowStep(announce); };
    // The dialog's table follows the built-in puzzle's answer alone.
    m_replay = std::make_unique<CReplayMode>(*m_picture, showStep, session, [this](int step) {
        if (ShowsBuiltIn())
            m_stepChosen(step);
    });
    m_play = std::make_unique<CPlayMode>(*m_picture, showStep, session);
    // The modes' controls join the window after the chooser and the switch,
    // so that Tab reaches them after those.
    QWidget* chooser = BuildChooser();
    QWidget* modeSwitch = BuildModeSwitch();
    m_modes = new QStackedWidget(this);
    m_modes->addWidget(m_replay->Controls());
    m_modes->addWidget(m_play->Controls());
    // Last, so that Tab reaches the panel after the mode's controls.
    m_rules = new CRulesPane(this);
    m_legend = new CViewLegend(this);

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_picture, 1);
    pictureRow->addWidget(m_rules);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooser);
    layout->addWidget(modeSwitch);
    layout->addWidget(BuildCaptionRow());
    layout->addWidget(m_summary);
    layout->addWidget(m_sentence);
    layout->addLayout(pictureRow, 1);
    layout->addWidget(m_legend);
    layout->addWidget(m_modes);
    setTabOrder(m_chooser, m_switch.front().first);
    setTabOrder(m_switch.front().first, m_switch.back().first);
    setTabOrder(m_switch.back().first, m_picture);
    setTabOrder(m_picture, m_modes);
    setTabOrder(m_rules->FoldButton(), m_rules->List());
    // The mode the session shows: the answer, for a new session.
    if (m_session.Showing() == m_play->Kind())
        ShowMode(*m_play);
    else
        ShowMode(*m_replay);
    ShowChosenPuzzle();

    AddViewKey(this, QKeySequence(Qt::Key_Escape), [this] { close(); });
    AddViewKey(this, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenFile(); });
    AddViewKey(this, QKeySequence::Copy,
               [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(m_session.TripListText())); });
    setAcceptDrops(true);
    if (owner != nullptr)
        owner->installEventFilter(this);

    resize(sizeHint().boundedTo(Room()).expandedTo(minimumSizeHint()));
}

QSize CCrossingViewWindow::Room() const
{
    const QScreen* screen = m_owner != nullptr ? m_owner->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() * 9 / 10 : QSize(1024, 768);
}

void CCrossingViewWindow::FoldRulesWhereNoRoom()
{
    if (m_rules->WasFoldedByUser())
        return;
    m_rules->SetFolded(false);
    const QSize room = Room();
    const QSize smallest = layout()->totalMinimumSize();
    m_rules->SetFolded(smallest.width() > room.width() || smallest.height() > room.height());
}

// The modes go before the picture, a child widget: it must not keep the
// game as its choice meanwhile, which screen readers may still ask about.
CCrossingViewWindow::~CCrossingViewWindow()
{
    m_picture->SetChoice(nullptr);
}

// The caption, the time beside it, and the rules panel's button.
QWidget* CCrossingViewWindow::BuildCaptionRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption->setParent(row);
    m_time->setParent(row);
    layout->addWidget(m_caption);
    layout->addSpacing(m_caption->fontMetrics().height());
    layout->addWidget(m_time);
    layout->addStretch();
    m_rules->FoldButton()->setParent(row);
    layout->addWidget(m_rules->FoldButton());
    return row;
}

// パズル, and the puzzles to choose from.
QWidget* CCrossingViewWindow::BuildChooser()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QString::fromUtf8(PUZZLE_CHOOSER), row);
    // Screen readers name it by its label, and read its current item.
    m_chooser = new QComboBox(row);
    m_chooser->setFocusPolicy(Qt::StrongFocus);
    m_chooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(m_chooser);
    layout->addWidget(label);
    layout->addWidget(m_chooser);
    layout->addStretch();
    // Activated, the user's own choice, keyboard included; not the changes
    // that filling the list makes.
    connect(m_chooser, &QComboBox::activated, this, [this](int index) {
        if (index == m_session.PuzzleCount())
            OpenFile();
        else if (m_session.ChoosePuzzle(index))
            ShowChosenPuzzle();
    });
    return row;
}

void CCrossingViewWindow::FillChooser()
{
    const QSignalBlocker quiet(m_chooser);
    m_chooser->clear();
    for (int index = 0; index < m_session.PuzzleCount(); ++index)
        m_chooser->addItem(QString::fromStdString(m_session.PuzzleLabel(index)));
    m_chooser->addItem(QString::fromUtf8(OPEN_PUZZLE_ITEM));
    m_chooser->setCurrentIndex(m_session.ChosenPuzzle());
}

void CCrossingViewWindow::ShowChosenPuzzle()
{
    m_picture->SetPuzzle(m_session.Puzzle());
    m_legend->SetPuzzle(*m_session.Puzzle());
    FoldRulesWhereNoRoom();
    m_replay->FollowTrack(false);
    setWindowTitle(QString::fromStdString(m_session.Title(m_titlePrefix.toStdString())));
    m_play->FollowGame();
    ShowSummary();
    FillChooser();
}

void CCrossingViewWindow::ShowSummary()
{
    const QString summary = QString::fromStdString(m_session.Summary());
    if (!summary.isEmpty())
        m_summary->setText(summary);
    m_summary->setVisible(!summary.isEmpty());
}

// The file dialog and the message box belong to the view, which goes on
// meanwhile: no loop of their own.
void CCrossingViewWindow::OpenFile()
{
    const QString suffix =
        QString::fromUtf8(PUZZLE_FILE_SUFFIX.data(), static_cast<qsizetype>(PUZZLE_FILE_SUFFIX.size()));
    auto* dialog =
        new QFileDialog(this, QString::fromUtf8(OPEN_PUZZLE_TITLE), QString(),
                        QString::fromUtf8(PUZZLE_FILES_FILTER) + QStringLiteral(" (*") + suffix +
                            QStringLiteral(");;") + QString::fromUtf8(ALL_FILES_FILTER) + QStringLiteral(" (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { OpenPuzzleFile(path); });
    // The list shows the puzzle that shows, whatever the dialog's end.
    connect(dialog, &QFileDialog::finished, this, [this] { FillChooser(); });
    dialog->open();
}

void CCrossingViewWindow::OpenPuzzleFile(const QString& path)
{
    const std::optional<std::string> refusal = m_session.OpenPuzzle(path.toStdString());
    if (refusal)
        ShowUnusable(*refusal);
    else
        ShowChosenPuzzle();
}

void CCrossingViewWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CCrossingViewWindow::dropEvent(QDropEvent* event)
{
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenPuzzleFile(path);
}

void CCrossingViewWindow::ShowUnusable(const std::string& why)
{
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), QString::fromStdString(why), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool CCrossingViewWindow::ShowsBuiltIn() const
{
    return m_session.ShowsBuiltIn();
}

bool CCrossingViewWindow::PlayPuzzle(const CFoundPuzzle& found)
{
    const std::optional<std::string> refusal = m_session.OpenPuzzle(found);
    if (refusal) {
        ShowUnusable(*refusal);
        return false;
    }
    ShowChosenPuzzle();
    ShowMode(*m_play);
    return true;
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
    m_session.Show(mode.Kind());
    ShowSummary();
    mode.Enter();
}

void CCrossingViewWindow::ShowBuiltInReplay()
{
    if (m_session.ChoosePuzzle(CCrossingSession::BUILT_IN))
        ShowChosenPuzzle();
    ShowMode(*m_replay);
}

void CCrossingViewWindow::FollowTrack(bool newPath)
{
    if (ShowsBuiltIn())
        m_replay->FollowTrack(newPath);
}

void CCrossingViewWindow::Open()
{
    if (!isVisible() && m_owner == nullptr) {
        // Alone, in the middle of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(CentredFramePosition(screen->availableGeometry(), frameGeometry().size()));
        show();
    } else if (!isVisible()) {
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

void CCrossingViewWindow::ShowStep(bool announce)
{
    const QString caption = QString::fromStdString(m_session.Caption());
    const QString time = QString::fromStdString(m_session.TimeCounter());
    const QString sentence = QString::fromStdString(m_session.Sentence(CROSS_BUTTON));
    m_caption->setText(caption);
    m_time->setText(time);
    m_time->setVisible(!time.isEmpty());
    m_sentence->setText(sentence);
    m_rules->Show(m_session.Rules(), m_session.HighlightedRule());
    const QString said = time.isEmpty() ? caption : caption + QLatin1Char(' ') + time;
    m_picture->ShowScene(m_session.Scene(), said + QLatin1Char(' ') + sentence, announce);
}

// The view closes with its owner, and does not wait for anything to do so.
bool CCrossingViewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_owner != nullptr && watched == m_owner && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return QWidget::eventFilter(watched, event);
}

void CCrossingViewWindow::closeEvent(QCloseEvent* event)
{
    m_shown->Stop();
    event->accept();
}
