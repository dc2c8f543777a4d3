// What screen readers learn about a dialog's controls, from its template:
// each field is labelled by the caption that the template puts before it or
// right above it, controls without a caption take the name the template
// gives them, and progress bars are read-only. Internal to the window layer.
#pragma once

#include "platform/window/DialogTemplate.h"

#include <span>
#include <vector>

class QLineEdit;
class QWidget;

// Names and labels the controls; widgets[i] is the widget of items[i].
// Installs the layer's accessibility interfaces on first use.
void DescribeControlsForAccessibility(std::span<const CDialogItem> items, const std::vector<QWidget*>& widgets);

// Gives a field the layer's accessibility interface, which names it by the
// label DescribeControlsForAccessibility finds. Call before the field
// changes, as screen readers take an interface at the first change.
void MarkAsLabelledField(QLineEdit* edit);
