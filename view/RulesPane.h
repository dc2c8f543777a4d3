// The panel 規則 beside the crossing picture: the chosen puzzle's statement
// line by line, as the session gives it (play/RulesPanel.h), each numbered
// rule after its number; the line that a refused trip points at is
// highlighted and scrolled into view. A button folds the list away and
// brings it back; the window lays the button out where it likes. Screen
// readers find a list named 規則, each line an item, the highlighted one
// selected.
#pragma once

#include "play/RulesPanel.h"

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

class CRulesPane : public QWidget {
public:
    // parent: the window, which lays out the pane and its button.
    explicit CRulesPane(QWidget* parent);

    // Shows lines, with line highlighted (-1 for none). The list is filled
    // anew only when the lines are not those it shows.
    void Show(const std::vector<CPanelLine>& lines, int highlighted);

    // The button that folds the list away and brings it back: pressed
    // while the list shows. The window lays it out, outside the pane.
    QPushButton* FoldButton() const { return m_fold; }
    // The list, which Tab reaches after the button.
    QWidget* List() const;
    void SetFolded(bool folded);
    // Whether the user folded or unfolded the list, which the window then
    // leaves as it is.
    bool WasFoldedByUser() const { return m_foldedByUser; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Fill(const std::vector<CPanelLine>& lines);
    void Highlight(int line);
    // The highlight's colours, from the colours of a refusal's marks.
    void ColourHighlight();

    QListWidget* m_list;
    QPushButton* m_fold;
    std::vector<std::string> m_texts;
    int m_highlighted = -1;
    bool m_foldedByUser = false;
};
