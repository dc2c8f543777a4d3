// The view poses the puzzle and is at home on the desktop, used as people
// use it: a refused trip highlights in the panel 規則 the line of the rule
// or limit that the judge named, in agreement with the travellers framed,
// from the keyboard; the panel folds away only where the screen has no
// room for it; looks are drawn where a font has them, types in colours
// away from the rowers' accent; Ctrl+C copies trips that torvaly-solve
// reads back; a dropped puzzle file opens; and under a Japanese locale
// Qt's own file dialog speaks Japanese.
#include "ViewDriver.h"

#include "TempFolder.h"
#include "TestPuzzles.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "texts/RuleText.h"
#include "view/CrossingPicture.h"
#include "view/CrossingViewHost.h"
#include "view/TravellerFigures.h"
#include "view/TypeColours.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>

namespace {

// The view alone on a puzzle's game, as --play opens it.
QWidget* OpenAlone(CCrossingViewHost& host, const std::string& puzzle)
{
    EXPECT_TRUE(host.OpenAlone(IDD_PUZZLE_DIALOG, FindPuzzle(puzzle, ShippedPuzzlesFolder())));
    QWidget* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        view = window->isVisible() && Picture(window) != nullptr ? window : view;
    EXPECT_TRUE(view != nullptr && QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    return view;
}

// Chooses the travellers named from the keyboard and presses Enter; the
// image of the picture as it was before Enter.
QImage CrossWithKeys(QWidget* view, const std::vector<std::string>& names)
{
    EXPECT_TRUE(TabTo(view, "渡しの様子"));
    for (const std::string& name : names) {
        WalkTo(view, PuzzleOf(view).TravellerNamed(name));
        Key(view, Qt::Key_Space);
    }
    const QImage chosen = PictureImage(view);
    Key(view, Qt::Key_Return);
    return chosen;
}

// The travellers named.
TravellerSet TripOf(QWidget* view, const std::vector<std::string>& names)
{
    TravellerSet trip = 0;
    for (const std::string& name : names)
        trip |= TravellerBit(PuzzleOf(view).TravellerNamed(name));
    return trip;
}

// The refusal the judge gives to the chosen travellers crossing first.
CPuzzleVerdict FirstTripVerdict(QWidget* view, const std::vector<std::string>& names)
{
    return CPuzzleJudge(PuzzleOf(view)).Judge({}, TripOf(view, names));
}

TEST(PosedPuzzle, ARefusalHighlightsTheRuleTheJudgeNamedAndFramesThoseItConcerns)
{
    CCrossingViewHost host([](int) {});
    QWidget* view = OpenAlone(host, BUILT_IN_PUZZLE_NAME);
    ASSERT_NE(view, nullptr);
    // The nine rules, numbered as the judge numbers them, after the seats.
    const QStringList lines = RuleLines(view);
    ASSERT_EQ(lines.size(), 10);
    for (int rule = 1; rule <= 9; ++rule)
        EXPECT_EQ(lines[rule],
                  QString::number(rule) + ". " + QString::fromStdString(RuleSentence(BuiltInPuzzle(), rule)));
    EXPECT_TRUE(HighlightedRules(view).isEmpty());

    // Ovrin alone leaves a rule broken behind him.
    const std::vector<std::string> ovrin = {"Ovrin"};
    const CPuzzleVerdict verdict = FirstTripVerdict(view, ovrin);
    ASSERT_EQ(verdict.m_answer, TripAnswer::RULE_BROKEN);
    auto* panel = qobject_cast<QWidget*>(RulesList(view)->object());
    ASSERT_NE(panel, nullptr);
    const QImage panelBefore = panel->grab().toImage();
    const QImage chosen = CrossWithKeys(view, ovrin);
    const QString line =
        QString::number(verdict.m_rule) + ". " + QString::fromStdString(RuleSentence(BuiltInPuzzle(), verdict.m_rule));
    EXPECT_EQ(HighlightedRules(view), QStringList{line});
    EXPECT_TRUE(HighlightedRuleInSight(view));
    EXPECT_NE(panel->grab().toImage(), panelBefore);
    EXPECT_EQ(RedrawnTravellers(view, chosen, PictureImage(view)), verdict.m_concerned);

    // A trip that crosses says no more of the refusal: Ovrin, still chosen,
    // is taken back first.
    Key(view, Qt::Key_Space);
    CrossWithKeys(view, {"Ovrin", "Nolby"});
    EXPECT_TRUE(Description(view).startsWith(QStringLiteral("渡った回数 1"))) << Description(view).toStdString();
    EXPECT_TRUE(HighlightedRules(view).isEmpty());
}

// Refusals by a limit of the boat or of the night, from the keyboard: the
// judge's sentence, the limit's line highlighted, those concerned framed.
// The four at night take 1, 2, 5 and 8 minutes, within 15.
TEST(PosedPuzzle, ARefusalByALimitHighlightsTheLimitsLine)
{
    const CTempFolder folder;
    struct CCase {
        std::string m_puzzle;
        std::vector<std::vector<std::string>> m_before;
        std::vector<std::string> m_refused;
        TripAnswer m_answer;
        std::string (*m_line)(const CPuzzle&);
        const char* m_counter;
    };
    const CCase cases[] = {
        {"family", {}, {"父", "母"}, TripAnswer::TOO_HEAVY, LoadSentence, ""},
        {folder.Write("night.crossing.toml", NightPuzzleText(8, 15)),
         {{"A", "B"}, {"A"}, {"C", "D"}},
         {"C"},
         TripAnswer::OVER_TIME,
         TimeLimitSentence,
         "経過 11 分（制限 15 分）"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_puzzle);
        CCrossingViewHost host([](int) {});
        QWidget* view = OpenAlone(host, c.m_puzzle);
        ASSERT_NE(view, nullptr);
        CPuzzleState state;
        std::int64_t elapsed = 0;
        for (const std::vector<std::string>& trip : c.m_before) {
            CrossWithKeys(view, trip);
            elapsed += PuzzleOf(view).TimeOf(TripOf(view, trip));
            state = StateAfterTrip(state, TripOf(view, trip));
        }
        if (!c.m_before.empty()) {
            // The last trip taken back and made again: the picture at rest.
            PressKey(view, Qt::Key_Z, Qt::ControlModifier);
            PressKey(view, Qt::Key_Y, Qt::ControlModifier);
        }
        EXPECT_TRUE(Description(view).contains(QString::fromUtf8(c.m_counter))) << Description(view).toStdString();
        const CPuzzleVerdict verdict = CPuzzleJudge(PuzzleOf(view)).Judge(state, TripOf(view, c.m_refused), elapsed);
        ASSERT_EQ(verdict.m_answer, c.m_answer);
        const QImage chosen = CrossWithKeys(view, c.m_refused);
        EXPECT_TRUE(Description(view).endsWith(QString::fromStdString(VerdictSentence(PuzzleOf(view), verdict))))
            << Description(view).toStdString();
        EXPECT_EQ(HighlightedRules(view), QStringList{QString::fromStdString(c.m_line(PuzzleOf(view)))});
        EXPECT_EQ(RedrawnTravellers(view, chosen, PictureImage(view)), verdict.m_concerned);
        EXPECT_EQ(verdict.m_concerned, TripOf(view, c.m_refused));
    }
}

// The trips torvaly-solve reads back, what it says and its exit status.
std::pair<int, QString> CheckWithSolve(const char* puzzle, const QString& trips)
{
    QProcess solve;
    solve.start(QStringLiteral(TORVALY_SOLVE_PATH), {"--puzzle", puzzle, "--check", "-"});
    solve.write(trips.toUtf8());
    solve.closeWriteChannel();
    EXPECT_TRUE(solve.waitForFinished(WAIT_FOR_UI_MS));
    return {solve.exitCode(), QString::fromUtf8(solve.readAllStandardOutput()).trimmed()};
}

TEST(PosedPuzzle, CtrlCCopiesTheTripsShownAndTorvalySolveReadsThemBack)
{
    CCrossingViewHost host([](int) {});
    QWidget* view = OpenAlone(host, "wolf");
    ASSERT_NE(view, nullptr);
    CrossWithKeys(view, {"農夫", "ヤギ"});
    CrossWithKeys(view, {"農夫"});
    QGuiApplication::clipboard()->clear();
    PressKey(view, Qt::Key_C, Qt::ControlModifier);
    const auto [status, said] = CheckWithSolve("wolf", QGuiApplication::clipboard()->text());
    EXPECT_EQ(status, 1) << said.toStdString();
    EXPECT_TRUE(said.startsWith(QStringLiteral("2 回の渡りはどれもできます"))) << said.toStdString();

    // The answer: the whole plan.
    ClickWidget(Button(view, "答えを見る"));
    PressKey(view, Qt::Key_C, Qt::ControlModifier);
    const auto [answerStatus, answerSaid] = CheckWithSolve("wolf", QGuiApplication::clipboard()->text());
    EXPECT_EQ(answerStatus, 0);
    EXPECT_EQ(answerSaid, QStringLiteral("7 回で渡りきりました。最短の 7 回と同じです。"));
}

TEST(PosedPuzzle, APuzzleFileDroppedOnTheViewOpensAsTheFileDialogOpensIt)
{
    CCrossingViewHost host([](int) {});
    QWidget* view = OpenAlone(host, "wolf");
    ASSERT_NE(view, nullptr);
    const CTempFolder folder;
    const QString apart = QString::fromStdString(folder.Write("apart.crossing.toml", KeptApartPuzzleText(false)));
    const QString broken = QString::fromStdString(folder.Write("broken.crossing.toml", "seats = 9\n"));

    // Neither a page nor two files are taken.
    EXPECT_FALSE(DropOn(Picture(view), {QUrl(QStringLiteral("https://example.org/a.crossing.toml"))}));
    EXPECT_FALSE(DropOn(Picture(view), {QUrl::fromLocalFile(apart), QUrl::fromLocalFile(apart)}));
    EXPECT_EQ(view->windowTitle(), WOLF_VIEW_TITLE);

    // A file that cannot be used is named in a message box.
    CMessageBoxSeen seen;
    {
        auto box = AnswerMessageBox(QStringLiteral("OK"), &seen);
        EXPECT_TRUE(DropOn(Picture(view), {QUrl::fromLocalFile(broken)}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return box->Done(); }, WAIT_FOR_UI_MS));
    }
    EXPECT_TRUE(seen.m_text.contains(broken)) << seen.m_text.toStdString();
    EXPECT_EQ(view->windowTitle(), WOLF_VIEW_TITLE);

    // One that can shows, and joins the chooser.
    const int puzzles = Chooser(view)->count();
    EXPECT_TRUE(DropOn(Named(view, "自分で解く"), {QUrl::fromLocalFile(apart)}));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Torvalyパズル - apart"));
    EXPECT_EQ(ChosenTitle(view), QStringLiteral("apart"));
    EXPECT_EQ(Chooser(view)->count(), puzzles + 1);
}

// Run on the offscreen screen of 800 by 600, and at scale 2, where it is
// 400 by 300 and the picture at its smallest fills it alone.
TEST(PosedPuzzle, TheRulesFoldAwayOnlyWhereTheScreenHasNoRoomForThemBesideThePicture)
{
    CCrossingViewHost host([](int) {});
    QWidget* view = OpenAlone(host, "wolf");
    ASSERT_NE(view, nullptr);
    QWidget* panel = static_cast<QWidget*>(RulesList(view)->object());
    QAbstractButton* fold = Button(view, "規則を表示");
    ASSERT_NE(fold, nullptr);
    const QSize screen = view->screen()->availableGeometry().size();
    ASSERT_TRUE(screen.width() >= 800 || screen.width() <= 400) << screen.width();
    const bool roomy = screen.width() >= 800;
    EXPECT_EQ(panel->isVisible(), roomy);
    EXPECT_EQ(fold->isChecked(), roomy);
    // The picture keeps its smallest size.
    EXPECT_GE(Picture(view)->width(), Picture(view)->minimumSizeHint().width());

    // The button brings the list back or folds it away, from the keyboard.
    ASSERT_TRUE(TabTo(view, "規則を表示"));
    Key(view, Qt::Key_Space);
    EXPECT_EQ(panel->isVisible(), !roomy);
    EXPECT_EQ(fold->isChecked(), !roomy);
    EXPECT_GE(Picture(view)->width(), Picture(view)->minimumSizeHint().width());
}

// The wolf's picture with the wolf's look given as look.
QImage WolfDrawnAs(const std::string& look)
{
    CPuzzle wolf = OpenPuzzle("wolf", ShippedPuzzlesFolder()).Puzzle();
    wolf.m_looks[1] = look;
    CCrossingPicture picture(nullptr, std::make_shared<CPuzzle>(wolf));
    picture.resize(picture.sizeHint());
    return picture.grab().toImage();
}

TEST(PosedPuzzle, ALookIsDrawnWhereAFontHasItsGlyphsAndTheGenericFigureElsewhere)
{
    const QFont face = QApplication::font();
    EXPECT_TRUE(FontsDrawLook(face, QStringLiteral("🐺")));
    // A sequence joined by U+200D, and a character no font draws.
    EXPECT_TRUE(FontsDrawLook(face, QStringLiteral("🧑‍🌾")));
    EXPECT_FALSE(FontsDrawLook(face, QString::fromUcs4(U"\U0010FFFD")));
    EXPECT_EQ(WolfDrawnAs("\U0010FFFD"), WolfDrawnAs(""));
    EXPECT_NE(WolfDrawnAs("🐺"), WolfDrawnAs(""));
}

int HueDistance(const QColor& a, const QColor& b)
{
    const int apart = std::abs(a.hsvHue() - b.hsvHue()) % 360;
    return std::min(apart, 360 - apart);
}

TEST(PosedPuzzle, TypeColoursKeepAwayFromTheRowersAccentAndFromOneAnotherInLightAndDark)
{
    for (const QColor& accent :
         {QColor(48, 140, 198), QColor(233, 84, 32), QColor(120, 190, 60), QColor(128, 128, 128)}) {
        for (const bool dark : {false, true}) {
            QPalette palette;
            palette.setColor(QPalette::Highlight, accent);
            palette.setColor(QPalette::Window, dark ? QColor(40, 40, 40) : QColor(239, 239, 239));
            const std::vector<QColor> colours = TypeColours(6, palette);
            ASSERT_EQ(colours.size(), 6u);
            for (std::size_t a = 0; a < colours.size(); ++a) {
                SCOPED_TRACE(accent.name().toStdString() + (dark ? " dark " : " light ") + std::to_string(a));
                if (accent.hsvHue() >= 0) {
                    EXPECT_GE(HueDistance(colours[a], accent), 45);
                }
                // Bright on a dark window.
                EXPECT_TRUE(!dark || colours[a].lightness() >= 150) << colours[a].lightness();
                for (std::size_t b = a + 1; b < colours.size(); ++b) {
                    EXPECT_GE(HueDistance(colours[a], colours[b]), 20) << b;
                }
            }
        }
    }
}

// Run under ja_JP.UTF-8 only (tests/view/CMakeLists.txt).
TEST(JapaneseDesktop, QtsOwnFileDialogSpeaksJapanese)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::Japanese) << QLocale::system().name().toStdString();
    ASSERT_STREQ(std::setlocale(LC_MESSAGES, nullptr), "ja_JP.UTF-8");
    CCrossingViewHost host([](int) {});
    QWidget* view = OpenAlone(host, "wolf");
    ASSERT_NE(view, nullptr);
    QString fileName;
    CUiResponder dialog([]() -> QWidget* { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
                        [&](QWidget* widget) {
                            if (auto* label = widget->findChild<QLabel*>(QStringLiteral("fileNameLabel")))
                                fileName = label->text();
                            static_cast<QDialog*>(widget)->reject();
                        });
    PressKey(view, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Done(); }, WAIT_FOR_UI_MS));
    EXPECT_TRUE(fileName.startsWith(QStringLiteral("ファイル名"))) << fileName.toStdString();
}

} // namespace
