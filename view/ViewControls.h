// The crossing view's buttons and keys, all made alike: a button is named
// for screen readers, reached by Tab and pressed by Enter or Space when it
// has the focus; a key works wherever the focus is in the view, but Space
// on a button presses the button.
#pragma once

#include <QKeySequence>

#include <functional>

class QPushButton;
class QWidget;

// A push button in parent whose text and accessible name are name (UTF-8);
// clicked, when given, runs on each click.
QPushButton* MakeViewButton(const char* name, QWidget* parent, std::function<void()> clicked = {});

// A key of owner's window: act runs wherever the focus is in the window,
// while owner shows.
void AddViewKey(QWidget* owner, const QKeySequence& key, std::function<void()> act);
