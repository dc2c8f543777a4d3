// Benchmarks of the crossing view on Qt's offscreen platform: opening it
// from the dialog's window menu until its picture is painted, drawing one
// step of the picture at scale 2, and the same for a puzzle of sixteen
// travellers and four seats with every key of the family (looks, types,
// weights, times), switched to from the chooser; and refilling the rules
// panel on a refused trip. Not part of the tests; see bench/README.md.

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "engine/PathTrips.h"
#include "platform/window/WinApp.h"
#include "play/CrossingSteps.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "res/ResourceModule.h"
#include "ui/PuzzleDlg.h"
#include "view/CrossingPicture.h"
#include "view/CrossingViewHost.h"
#include "view/CrossingViewWindow.h"
#include "view/RulesPane.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>

#include <benchmark/benchmark.h>

#include <fstream>
#include <set>

namespace {

// The dialog with its table filled with the recorded path, as after a search.
class CFilledDlg : public CPuzzleDlg {
public:
    bool Fill()
    {
        m_status.OfferPath(RecordedPathUpTo());
        RefreshDisplay();
        // The refresh took the whole path: every traveller across.
        return m_arrivedCount == TRAVELLER_COUNT;
    }
};

// Counts the paints of crossing pictures.
class CPaintCounter : public QObject {
public:
    int m_paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && dynamic_cast<CCrossingPicture*>(watched) != nullptr)
            ++m_paints;
        return false;
    }
};

// From the window-menu command until the view's picture has been painted.
void OpenView(benchmark::State& state)
{
    CPaintCounter counter;
    qApp->installEventFilter(&counter);
    for (auto _ : state) {
        state.PauseTiming();
        auto dlg = std::make_unique<CFilledDlg>();
        if (!dlg->Create(CPuzzleDlg::IDD) || !dlg->Fill()) {
            state.SkipWithError("the dialog could not be made");
            break;
        }
        QCoreApplication::processEvents();
        counter.m_paints = 0;
        state.ResumeTiming();

        dlg->SendMessage(WM_SYSCOMMAND, IDM_CROSSINGVIEW);
        const QDeadlineTimer deadline(5000);
        while (counter.m_paints == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

        state.PauseTiming();
        if (counter.m_paints == 0)
            state.SkipWithError("the view was not painted");
        dlg.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    qApp->removeEventFilter(&counter);
}
BENCHMARK(OpenView)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of the recorded path drawn into a picture of the view's usual
// size at scale 2, at rest or halfway through its trip, as playing draws it.
void DrawStep(benchmark::State& state)
{
    const bool atRest = state.range(0) != 0;
    const std::vector<CStepScene> scenes = ScenesOf(StepsOfPath(RecordedPathUpTo()));
    CCrossingPicture picture(nullptr, std::make_shared<CPuzzle>(BuiltInPuzzle()));
    picture.resize(picture.sizeHint());
    QImage image(picture.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    int step = 1;
    for (auto _ : state) {
        picture.ShowScene(scenes[static_cast<std::size_t>(step)], QString());
        if (!atRest)
            picture.ShowWayFrom(scenes[static_cast<std::size_t>(step - 1)], 0.5);
        picture.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        step = step % RECORDED_SHORTEST_TOP + 1;
    }
}
BENCHMARK(DrawStep)->ArgName("at_rest")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A puzzle file of sixteen travellers and a boat of seats, with a rule of
// every kind and every key of the family: looks, types, weights and a
// load, times and a limit. For as long as the benchmarks run.
std::string LargePuzzleFile(int seats = MAX_SEATS)
{
    const std::string path =
        QDir::temp().filePath(QStringLiteral("torvaly-bench-sixteen-%1.crossing.toml").arg(seats)).toStdString();
    static std::set<std::string> s_written;
    if (s_written.insert(path).second)
        std::ofstream(path) << WholeFamilyPuzzleText(MAX_TRAVELLERS, seats);
    return path;
}

// The view, alone on the built-in puzzle, switched to the puzzle of sixteen
// travellers and seats seats until its first step has been painted: the
// file read, the puzzle solved, the view laid out anew and drawn. With
// solved, the puzzle is chosen again from the chooser, solved already: the
// view's own share.
void SwitchToLargePuzzle(benchmark::State& state)
{
    const auto seats = static_cast<int>(state.range(0));
    const bool solved = state.range(1) != 0;
    CPaintCounter counter;
    qApp->installEventFilter(&counter);
    CCrossingViewHost host([](int) {});
    if (!host.OpenAlone(IDD_PUZZLE_DIALOG, FindPuzzle(BUILT_IN_PUZZLE_NAME, ShippedPuzzlesFolder()))) {
        state.SkipWithError("the view could not be opened");
        return;
    }
    CCrossingViewWindow* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        view = view != nullptr ? view : dynamic_cast<CCrossingViewWindow*>(window);
    auto* chooser = view->findChild<QComboBox*>();
    view->PlayPuzzle(FindPuzzle(LargePuzzleFile(seats), ShippedPuzzlesFolder()));
    const int large = chooser->currentIndex();
    for (auto _ : state) {
        state.PauseTiming();
        view->ShowBuiltInReplay();
        QCoreApplication::processEvents();
        counter.m_paints = 0;
        state.ResumeTiming();

        if (solved) {
            chooser->setCurrentIndex(large);
            Q_EMIT chooser->activated(large);
        } else {
            view->PlayPuzzle(FindPuzzle(LargePuzzleFile(seats), ShippedPuzzlesFolder()));
        }
        const QDeadlineTimer deadline(5000);
        while (counter.m_paints == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (counter.m_paints == 0)
            state.SkipWithError("the puzzle was not painted");
    }
    qApp->removeEventFilter(&counter);
    view->close();
}
BENCHMARK(SwitchToLargePuzzle)
    ->ArgNames({"seats", "solved"})
    ->Args({2, 0})
    ->Args({MAX_SEATS, 0})
    ->Args({MAX_SEATS, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One step of that puzzle's answer drawn at scale 2, at rest or halfway
// through its trip.
void DrawLargeStep(benchmark::State& state)
{
    const bool atRest = state.range(0) != 0;
    const CPuzzleReading reading = ReadPuzzleFile(LargePuzzleFile());
    const CPuzzleSolution solution(reading.Puzzle());
    const std::vector<CStepScene> scenes = ScenesOf(StepsOfPlan(reading.Puzzle(), solution.FirstPlan()));
    CCrossingPicture picture(nullptr, std::make_shared<CPuzzle>(reading.Puzzle()));
    picture.resize(picture.sizeHint());
    QImage image(picture.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    std::size_t step = 1;
    for (auto _ : state) {
        picture.ShowScene(scenes[step], QString());
        if (!atRest)
            picture.ShowWayFrom(scenes[step - 1], 0.5);
        picture.render(&image);
        benchmark::DoNotOptimize(image.constBits());
        step = step % (scenes.size() - 1) + 1;
    }
}
BENCHMARK(DrawLargeStep)->ArgName("at_rest")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The rules panel of that puzzle, shown as the view shows it after each
// action, on refused trips that point at two lines in turn: the load's and
// a rule's. With anew, the lines come from another puzzle each time, and
// the list is filled anew.
void RefillRulesOnRefusal(benchmark::State& state)
{
    const bool anew = state.range(0) != 0;
    CCrossingSession session(ShippedPuzzlesFolder());
    if (session.OpenPuzzle(LargePuzzleFile())) {
        state.SkipWithError("the puzzle could not be opened");
        return;
    }
    session.Show(CCrossingSession::Shown::GAME);
    // T3, T4, T8 and T12 weigh more than the load; T6, alone, does not row.
    const TravellerSet refusals[] = {TravellerBit(2) | TravellerBit(3) | TravellerBit(7) | TravellerBit(11),
                                     TravellerBit(5)};
    std::vector<CPanelLine> others = session.Rules();
    others.pop_back();
    QWidget window;
    CRulesPane pane(&window);
    pane.resize(pane.sizeHint());
    pane.Show(session.Rules(), -1);
    std::size_t turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int t = 0; t < MAX_TRAVELLERS; ++t) {
            if ((session.Game().Chosen() ^ refusals[turn % 2]) & TravellerBit(t))
                session.Toggle(t);
        }
        if (session.Cross())
            state.SkipWithError("a trip that should be refused was made");
        if (anew)
            pane.Show(others, -1);
        state.ResumeTiming();
        pane.Show(session.Rules(), session.HighlightedRule());
        ++turn;
    }
}
BENCHMARK(RefillRulesOnRefusal)->ArgName("anew")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    AfxSetResourceModule(&TorvalyPuzzleResources());
    AfxWinInit();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
