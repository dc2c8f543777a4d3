#include "ViewDriver.h"

#include "view/CrossingPicture.h"
#include "view/PictureAccessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Counts each announcement, and passes everything on.
class CCountingObserver : public CPictureObserver {
public:
    CCountingObserver(std::unique_ptr<CPictureObserver> announcer, std::shared_ptr<int> count)
        : m_announcer(std::move(announcer)), m_count(std::move(count))
    {
    }

    void SceneShown(bool moved, bool described) override
    {
        *m_count += described ? 1 : 0;
        m_announcer->SceneShown(moved, described);
    }
    void ChoiceChanged(TravellerSet travellers, bool choosing) override
    {
        m_announcer->ChoiceChanged(travellers, choosing);
    }
    void TravellerFocused(int traveller) override { m_announcer->TravellerFocused(traveller); }

private:
    std::unique_ptr<CPictureObserver> m_announcer;
    std::shared_ptr<int> m_count;
};

} // namespace

CAnnouncementCounter::CAnnouncementCounter(QWidget* view)
{
    auto* picture = dynamic_cast<CCrossingPicture*>(Picture(view));
    if (picture == nullptr) {
        ADD_FAILURE() << "the view has no crossing picture";
        return;
    }
    picture->SetObserver(std::make_unique<CCountingObserver>(std::make_unique<CPictureAnnouncer>(picture), m_count));
}

QWidget* ViewWindow(const QString& title)
{
    QWidget* view = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == title)
            view = window;
    }
    return view;
}

void ShowPath(CTestPuzzleDlg& dlg, const CCrossingPath& path)
{
    ASSERT_TRUE(dlg.m_status.OfferPath(path));
    dlg.RefreshDisplay();
    ASSERT_EQ(ListItemCount(dlg.m_list), path.Top() + 1);
}

QTreeWidget* Table(const CTestPuzzleDlg& dlg)
{
    return static_cast<QTreeWidget*>(dlg.Control(IDC_RESULT_LIST));
}

void ClickAt(QWidget* widget, QPoint position, bool twice)
{
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    if (twice)
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

void ClickRow(const CTestPuzzleDlg& dlg, int row, bool twice)
{
    QTreeWidget* table = Table(dlg);
    table->scrollToItem(table->topLevelItem(row));
    ClickAt(table->viewport(), table->visualItemRect(table->topLevelItem(row)).center(), twice);
}

QWidget* OpenFromWindowMenu(const CTestPuzzleDlg& dlg)
{
    QStringList items;
    auto menu = ChooseMenuItem(VIEW_ITEM, &items);
    RightClick(dlg.Window(), QPoint(4, 4));
    EXPECT_TRUE(menu->Done()) << items.join(' ').toStdString();
    return ViewWindow();
}

void ExpectRowSelectedAlone(const CTestPuzzleDlg& dlg, int row)
{
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), row);
    EXPECT_EQ(dlg.m_list.GetNextItem(row, LVNI_SELECTED), -1);
    EXPECT_EQ(dlg.m_list.GetItemState(row, LVIS_FOCUSED), LVIS_FOCUSED);
    QTreeWidget* table = Table(dlg);
    EXPECT_TRUE(table->viewport()->rect().intersects(table->visualItemRect(table->topLevelItem(row)))) << row;
}

QString NameOf(QWidget* widget)
{
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
}

QWidget* Named(QWidget* view, const char* name)
{
    for (QWidget* widget : view->findChildren<QWidget*>()) {
        if (NameOf(widget) == QString::fromUtf8(name))
            return widget;
    }
    return nullptr;
}

QAbstractButton* Button(QWidget* view, const char* name)
{
    return qobject_cast<QAbstractButton*>(Named(view, name));
}

QWidget* Picture(QWidget* view)
{
    return Named(view, "渡しの様子");
}

QString Caption(QWidget* view)
{
    for (const QLabel* label : view->findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("手順 ")))
            return label->text();
    }
    return QString();
}

QString StepCaption(int step, int steps)
{
    return QStringLiteral("手順 %1 / %2").arg(step + 1).arg(steps);
}

QString ShownMode(QWidget* view)
{
    QStringList pressed;
    for (const char* mode : {"答えを見る", "自分で解く"}) {
        if (Button(view, mode)->isChecked())
            pressed << QString::fromUtf8(mode);
    }
    return pressed.join(' ');
}

bool IsPlaying(QWidget* view)
{
    return Button(view, "再生/停止")->isChecked();
}

QString Description(QWidget* view)
{
    return QAccessible::queryAccessibleInterface(Picture(view))->text(QAccessible::Description);
}

void Key(QWidget* view, Qt::Key key)
{
    PressKey(view, key);
}

void ForEachList(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    if (root->role() == QAccessible::ComboBox || qobject_cast<QAbstractItemView*>(root->object()) != nullptr)
        return;
    if (root->role() == QAccessible::List)
        visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        ForEachList(root->child(i), visit);
}

std::map<QString, QStringList> ListsUnder(QAccessibleInterface* root)
{
    std::map<QString, QStringList> lists;
    ForEachList(root, [&](QAccessibleInterface* list) {
        QStringList& names = lists[list->text(QAccessible::Name)];
        for (int i = 0; i < list->childCount(); ++i)
            names << list->child(i)->text(QAccessible::Name);
    });
    return lists;
}

QStringList NamesWithDigit(const std::string& row, const char* digits)
{
    QStringList names;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (std::string(digits).find(row[t]) != std::string::npos)
            names << QString::fromUtf8(TravellerName(t));
    }
    return names;
}

const CPuzzle& PuzzleOf(QWidget* view)
{
    return dynamic_cast<const CCrossingPicture&>(*Picture(view)).Puzzle();
}

void ForEachItem(QWidget* view, const std::function<void(int traveller, QAccessibleInterface* item)>& visit)
{
    ForEachList(QAccessible::queryAccessibleInterface(view), [&](QAccessibleInterface* list) {
        for (int i = 0; i < list->childCount(); ++i)
            visit(PuzzleOf(view).TravellerNamed(list->child(i)->text(QAccessible::Name).toStdString()), list->child(i));
    });
}

QAccessibleInterface* ItemIn(QWidget* view, const char* list, int traveller)
{
    QAccessibleInterface* found = nullptr;
    ForEachItem(view, [&](int t, QAccessibleInterface* item) {
        if (t == traveller && item->parent()->text(QAccessible::Name) == QString::fromUtf8(list))
            found = item;
    });
    return found;
}

QAccessibleInterface* ItemOf(QWidget* view, int traveller)
{
    QAccessibleInterface* found = nullptr;
    ForEachItem(view, [&](int t, QAccessibleInterface* item) { found = t == traveller ? item : found; });
    return found;
}

int FocusedTraveller(QWidget* view)
{
    int focused = -1;
    ForEachItem(view, [&](int t, QAccessibleInterface* item) { focused = item->state().focused ? t : focused; });
    return focused;
}

TravellerSet CheckedTravellers(QWidget* view)
{
    TravellerSet checked = 0;
    ForEachItem(view,
                [&](int t, QAccessibleInterface* item) { checked |= item->state().checked ? TravellerBit(t) : 0; });
    return checked;
}

QAccessibleInterface* RulesList(QWidget* view)
{
    for (QWidget* widget : view->findChildren<QAbstractItemView*>()) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(widget);
        if (list->role() == QAccessible::List && list->text(QAccessible::Name) == QStringLiteral("規則"))
            return list;
    }
    return nullptr;
}

namespace {

// The names of the rules list's items that pass.
QStringList RuleLinesWhere(QWidget* view, const std::function<bool(QAccessibleInterface*)>& pass)
{
    QStringList lines;
    QAccessibleInterface* list = RulesList(view);
    for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
        if (pass(list->child(i)))
            lines << list->child(i)->text(QAccessible::Name);
    }
    return lines;
}

} // namespace

QStringList RuleLines(QWidget* view)
{
    return RuleLinesWhere(view, [](QAccessibleInterface*) { return true; });
}

QStringList HighlightedRules(QWidget* view)
{
    return RuleLinesWhere(view, [](QAccessibleInterface* item) { return item->state().selected; });
}

bool HighlightedRuleInSight(QWidget* view)
{
    QAccessibleInterface* list = RulesList(view);
    bool inSight = false;
    for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
        QAccessibleInterface* item = list->child(i);
        if (item->state().selected)
            inSight = !item->state().invisible && list->rect().contains(item->rect());
    }
    return inSight;
}

bool DropOn(QWidget* target, const QList<QUrl>& urls)
{
    // To the window, as the window system sends them: the toolkit finds
    // the widget under the point that takes drops.
    QWindow* window = target->window()->windowHandle();
    const QPoint at = target->mapTo(target->window(), target->rect().center());
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted()) {
        // The drag goes on elsewhere.
        QDragLeaveEvent leave;
        QApplication::sendEvent(window, &leave);
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

QImage PictureImage(QWidget* view)
{
    return Picture(view)->grab().toImage();
}

QRect PixelsOf(QWidget* view, const QImage& image, const QRect& onScreen)
{
    const qreal scale = image.devicePixelRatio();
    return QRect(Picture(view)->mapFromGlobal(onScreen.topLeft()) * scale, onScreen.size() * scale);
}

QImage PlaceImage(QWidget* view, const char* list)
{
    QRect place;
    ForEachList(QAccessible::queryAccessibleInterface(view), [&](QAccessibleInterface* node) {
        if (node->text(QAccessible::Name) == QString::fromUtf8(list))
            place = node->rect();
    });
    const QImage image = PictureImage(view);
    return image.copy(PixelsOf(view, image, place));
}

TravellerSet RedrawnTravellers(QWidget* view, const QImage& before, const QImage& after)
{
    TravellerSet redrawn = 0;
    ForEachItem(view, [&](int t, QAccessibleInterface* item) {
        const QRect pixels = PixelsOf(view, before, item->rect().adjusted(2, 2, -2, -2));
        if (before.copy(pixels) != after.copy(pixels))
            redrawn |= TravellerBit(t);
    });
    return redrawn;
}

bool TabTo(QWidget* view, const char* name)
{
    for (int presses = 0; presses < 30; ++presses) {
        if (NameOf(view->focusWidget()) == QString::fromUtf8(name))
            return true;
        Key(view, Qt::Key_Tab);
    }
    return false;
}

void WalkTo(QWidget* view, int traveller)
{
    const QRect target = ItemOf(view, traveller)->rect();
    for (int presses = 0; presses < 2 * MAX_TRAVELLERS && FocusedTraveller(view) != traveller; ++presses) {
        const QRect at = ItemOf(view, FocusedTraveller(view))->rect();
        if (at.bottom() < target.top())
            Key(view, Qt::Key_Down);
        else if (at.top() > target.bottom())
            Key(view, Qt::Key_Up);
        else
            Key(view, at.center().x() < target.center().x() ? Qt::Key_Right : Qt::Key_Left);
    }
}

void ExpectTabReaches(QWidget* view, std::initializer_list<const char*> names)
{
    QStringList reached;
    QWidget* widget = Picture(view);
    do {
        if (widget->isEnabled() && widget->focusPolicy() & Qt::TabFocus)
            reached << NameOf(widget);
        widget = widget->nextInFocusChain();
    } while (widget != Picture(view));
    for (const char* name : names)
        EXPECT_TRUE(reached.contains(QString::fromUtf8(name))) << name << " " << reached.join(' ').toStdString();
}

QComboBox* Chooser(QWidget* view)
{
    for (QComboBox* combo : view->findChildren<QComboBox*>()) {
        for (const auto& [label, relation] :
             QAccessible::queryAccessibleInterface(combo)->relations(QAccessible::Label)) {
            if (label->text(QAccessible::Name) == QStringLiteral("パズル"))
                return combo;
        }
    }
    return nullptr;
}

QString ChosenTitle(QWidget* view)
{
    const QComboBox* chooser = Chooser(view);
    return chooser != nullptr ? chooser->currentText().section(QStringLiteral(" — "), 0, 0) : QString();
}

void ChooseWithKeys(QWidget* view, const QString& title)
{
    QComboBox* chooser = Chooser(view);
    ASSERT_NE(chooser, nullptr);
    for (int presses = 0; presses < 30 && view->focusWidget() != chooser; ++presses)
        Key(view, Qt::Key_Tab);
    ASSERT_EQ(view->focusWidget(), chooser);
    const int wanted = chooser->findText(title + QStringLiteral(" — "), Qt::MatchStartsWith);
    ASSERT_GE(wanted, 0) << title.toStdString();
    const Qt::Key way = wanted > chooser->currentIndex() ? Qt::Key_Down : Qt::Key_Up;
    for (int presses = 0; presses < 8 && chooser->currentIndex() != wanted; ++presses)
        Key(view, way);
    ASSERT_EQ(ChosenTitle(view), title);
}

QString Summary(QWidget* view)
{
    for (const QLabel* label : view->findChildren<QLabel*>()) {
        if (label->isVisible() &&
            (label->text().startsWith(QStringLiteral("最短")) || label->text().startsWith(QStringLiteral("最速"))))
            return label->text();
    }
    return QString();
}

std::unique_ptr<CUiResponder> AnswerFileDialog(const QString& path)
{
    return std::make_unique<CUiResponder>(
        []() -> QWidget* {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
        },
        [path](QWidget* widget) {
            auto* dialog = static_cast<QFileDialog*>(widget);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name != nullptr)
                name->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
}
