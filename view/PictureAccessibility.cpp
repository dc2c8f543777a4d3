#include "PictureAccessibility.h"

#include "CrossingPicture.h"
#include "TravellerChoice.h"
#include "ViewTexts.h"
#include "play/StepScene.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>
#include <bit>

namespace {

// The places the picture lists, in the order of its children.
constexpr std::array<int, 3> LISTED_PLACES = {PLACE_START, PLACE_ARRIVED, PLACE_GOING};

QRect OnScreen(const CCrossingPicture* picture, const QRectF& rect)
{
    return QRect(picture->mapToGlobal(rect.toAlignedRect().topLeft()), rect.toAlignedRect().size());
}

class CPlaceList;

// One traveller in one of the lists; in the game, a check box.
class CTravellerItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CTravellerItem(CPlaceList* list, int traveller) : m_list(list), m_traveller(traveller) {}

    int Traveller() const { return m_traveller; }
    bool IsListed() const;
    // The picture's game choice, null in the replay.
    CTravellerChoice* Choice() const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    // The traveller's whole name, however the picture shortens it.
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        return Choice() != nullptr ? QStringList{toggleAction()} : QStringList();
    }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CPlaceList* m_list;
    int m_traveller;
};

// The travellers at one place of the shown step: a bank or the boat.
class CPlaceList : public QAccessibleInterface {
public:
    CPlaceList(CCrossingPicture* picture, QAccessibleInterface* parent, int place)
        : m_picture(picture), m_parent(parent), m_place(place)
    {
        for (int t = 0; t < MAX_TRAVELLERS; ++t) {
            auto* item = new CTravellerItem(this, t);
            m_items[static_cast<std::size_t>(t)] = QAccessible::registerAccessibleInterface(item);
        }
    }
    ~CPlaceList() override
    {
        for (QAccessible::Id id : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }

    CCrossingPicture* Picture() const { return m_picture; }
    TravellerSet Travellers() const { return m_picture != nullptr ? m_picture->Scene().At(m_place) : 0; }

    bool isValid() const override { return m_picture != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* item = child(i);
            if (item->rect().contains(x, y))
                return item;
        }
        return nullptr;
    }
    QAccessibleInterface* parent() const override { return m_parent; }
    // The travellers there, in traveller order.
    QAccessibleInterface* child(int index) const override
    {
        TravellerSet left = Travellers();
        for (int i = 0; left != 0; ++i, left &= left - 1) {
            if (i == index)
                return QAccessible::accessibleInterface(m_items[static_cast<std::size_t>(std::countr_zero(left))]);
        }
        return nullptr;
    }
    int childCount() const override { return std::popcount(Travellers()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    // Named for the puzzle's banks, and the boat.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || m_picture == nullptr)
            return QString();
        return QString::fromStdString(PlaceName(m_picture->Puzzle(), m_place));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return m_picture != nullptr ? OnScreen(m_picture, m_picture->PlaceRect(m_place)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

    QRect ItemRect(int traveller) const
    {
        return m_picture != nullptr ? OnScreen(m_picture, m_picture->TravellerRect(traveller)) : QRect();
    }

private:
    QPointer<CCrossingPicture> m_picture;
    QAccessibleInterface* m_parent;
    int m_place;
    std::array<QAccessible::Id, MAX_TRAVELLERS> m_items{};
};

QString CTravellerItem::text(QAccessible::Text t) const
{
    const CCrossingPicture* picture = m_list->Picture();
    if (picture == nullptr)
        return QString();
    const CPuzzle& puzzle = picture->Puzzle();
    if (t == QAccessible::Name)
        return QString::fromStdString(puzzle.NameOf(m_traveller));
    if (t != QAccessible::Description)
        return QString();
    // What the picture shows of the traveller besides the name.
    QStringList shown;
    if ((puzzle.m_rowers & TravellerBit(m_traveller)) != 0)
        shown << QString::fromUtf8(OPERATOR_LEGEND);
    shown << QString::fromStdString(puzzle.TypeOf(m_traveller));
    const std::vector<QString>& measures = picture->Figures().m_measures;
    if (static_cast<std::size_t>(m_traveller) < measures.size())
        shown << measures[static_cast<std::size_t>(m_traveller)];
    shown.removeAll(QString());
    return shown.join(QStringLiteral("、"));
}

bool CTravellerItem::IsListed() const
{
    return (m_list->Travellers() & TravellerBit(m_traveller)) != 0;
}

bool CTravellerItem::isValid() const
{
    return m_list->isValid();
}

QAccessibleInterface* CTravellerItem::parent() const
{
    return m_list;
}

QRect CTravellerItem::rect() const
{
    return IsListed() ? m_list->ItemRect(m_traveller) : QRect();
}

CTravellerChoice* CTravellerItem::Choice() const
{
    return m_list->Picture() != nullptr ? m_list->Picture()->Choice() : nullptr;
}

QAccessible::State CTravellerItem::state() const
{
    QAccessible::State s;
    s.invisible = !IsListed();
    const CTravellerChoice* choice = Choice();
    if (choice == nullptr) {
        s.readOnly = true;
        return s;
    }
    s.checkable = true;
    s.checked = (choice->Chosen() & TravellerBit(m_traveller)) != 0;
    s.focusable = (choice->Choosable() & TravellerBit(m_traveller)) != 0;
    const CCrossingPicture* picture = m_list->Picture();
    s.focused = picture->hasFocus() && picture->FocusedTraveller() == m_traveller;
    return s;
}

void CTravellerItem::doAction(const QString& name)
{
    if (name == toggleAction() && Choice() != nullptr)
        m_list->Picture()->ToggleTraveller(m_traveller);
}

// The picture: named, described by the shown step, holding the three lists.
class CPictureAccessible : public QAccessibleWidget {
public:
    explicit CPictureAccessible(CCrossingPicture* picture) : QAccessibleWidget(picture, QAccessible::Pane)
    {
        for (std::size_t i = 0; i < LISTED_PLACES.size(); ++i)
            m_lists[i] = QAccessible::registerAccessibleInterface(new CPlaceList(picture, this, LISTED_PLACES[i]));
    }
    ~CPictureAccessible() override
    {
        for (QAccessible::Id id : m_lists)
            QAccessible::deleteAccessibleInterface(id);
    }

    CCrossingPicture* Picture() const { return static_cast<CCrossingPicture*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString::fromUtf8(PICTURE_NAME);
        if (t == QAccessible::Description)
            return Picture()->Description();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(m_lists.size()); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(m_lists[static_cast<std::size_t>(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i) {
            if (child(i)->rect().contains(x, y))
                return child(i);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!Picture()->hasFocus())
            return nullptr;
        return TravellerItemOf(this, Picture()->FocusedTraveller());
    }

    // The item of a traveller in the list of the place it is at, or null.
    static QAccessibleInterface* TravellerItemOf(const QAccessibleInterface* pane, int traveller)
    {
        for (int i = 0; i < pane->childCount(); ++i) {
            QAccessibleInterface* list = pane->child(i);
            for (int j = 0; j < list->childCount(); ++j) {
                auto* item = static_cast<CTravellerItem*>(list->child(j));
                if (item->Traveller() == traveller)
                    return item;
            }
        }
        return nullptr;
    }

private:
    std::array<QAccessible::Id, LISTED_PLACES.size()> m_lists{};
};

QAccessibleInterface* CreatePictureAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget")) {
        if (auto* picture = dynamic_cast<CCrossingPicture*>(object))
            return new CPictureAccessible(picture);
    }
    return nullptr;
}

} // namespace

void InstallPictureAccessibility()
{
    static const bool s_installed = [] {
        QAccessible::installFactory(&CreatePictureAccessible);
        return true;
    }();
    (void)s_installed;
}

void CPictureAnnouncer::SceneShown(bool moved, bool described)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(m_picture);
    if (pane == nullptr)
        return;
    if (moved) {
        for (int i = 0; i < pane->childCount(); ++i) {
            QAccessibleEvent reorder(pane->child(i), QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reorder);
        }
    }
    if (described) {
        QAccessibleEvent change(m_picture, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&change);
    }
}

void CPictureAnnouncer::ChoiceChanged(TravellerSet travellers, bool choosing)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(m_picture);
    if (pane == nullptr)
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkable = choosing;
    changed.readOnly = choosing;
    changed.focusable = choosing;
    for (int t = 0; t < MAX_TRAVELLERS; ++t) {
        QAccessibleInterface* item =
            travellers & TravellerBit(t) ? CPictureAccessible::TravellerItemOf(pane, t) : nullptr;
        if (item != nullptr) {
            QAccessibleStateChangeEvent change(item, changed);
            QAccessible::updateAccessibility(&change);
        }
    }
}

void CPictureAnnouncer::TravellerFocused(int traveller)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(m_picture);
    QAccessibleInterface* item = pane != nullptr ? CPictureAccessible::TravellerItemOf(pane, traveller) : nullptr;
    if (item == nullptr)
        return;
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
