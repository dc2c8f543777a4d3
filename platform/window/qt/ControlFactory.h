// Creates the widgets of a dialog template's controls. Internal to the
// window layer.
#pragma once

#include "platform/window/DialogTemplate.h"
#include "platform/window/DialogUnits.h"

#include <functional>

class QString;
class QWidget;

// Called with a control's id and notification code when the user acts on it.
using ControlCommandHandler = std::function<void(int id, UINT notifyCode)>;

// The widget of one control, placed in pixels and styled as the template
// says; null for a control class or kind the layer does not provide.
QWidget* CreateControl(const CDialogItem& item, QWidget* parent, CDialogBaseUnits base,
                       const ControlCommandHandler& onCommand);

// A static's text as shown: "&x" marks a mnemonic and "&&" is a plain "&".
QString StaticTextWithoutPrefix(const char* text);
