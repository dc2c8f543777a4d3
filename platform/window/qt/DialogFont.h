// The fonts dialog templates name, and the faces that stand in for them on
// Linux. Internal to the window layer.
#pragma once

#include "platform/window/DialogUnits.h"
#include "platform/window/WinTypes.h"

#include <QFont>
#include <QString>

// Registers the Linux faces for the Windows Japanese dialog faces, so that
// "ＭＳ Ｐゴシック" never falls to a Latin face, which would shift every
// position of a dialog laid out for it.
void InstallDialogFontSubstitutes();

// The font of a template: its face at its point size.
QFont DialogFont(const char* typeface, WORD pointSize);

// Whether the face the toolkit resolved the font to writes Japanese, in any
// locale.
bool ResolvesToJapaneseFace(const QFont& font);

// Says on stderr, once per process, which package provides the missing
// Japanese face. Returns whether a Japanese face was found.
bool CheckJapaneseFontInstalled();

// A dialog's base units from its font.
CDialogBaseUnits BaseUnitsOf(const QFont& font);
