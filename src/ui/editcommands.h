// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu: Undo, Cut, Copy, Paste, Clear and Select All on the text
// box that has the keyboard focus in any window of the program (Copy also
// in the help text).
#pragma once

class QWidget;

namespace qbrx {

// Each command works on `target`, normally QApplication::focusWidget().
// Cut, Copy and Paste go on step by step whatever the clipboard does; Cut
// and Copy empty the clipboard first even when the control is no text box.
// Clear empties the whole text; Select All selects from 0 for up to 1000
// characters. Both do nothing on a control that is no text box.
// Undo takes back the box's last typing or edit command.
void editUndo(QWidget* target);
void editRedo(QWidget* target);
// Whether the box has typing of its own to undo or redo.
bool editCanUndo(QWidget* target);
bool editCanRedo(QWidget* target);
void editCut(QWidget* target);
void editCopy(QWidget* target);
void editPaste(QWidget* target);
void editClear(QWidget* target);
void editSelectAll(QWidget* target);

}  // namespace qbrx
