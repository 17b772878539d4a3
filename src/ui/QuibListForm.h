#pragma once

#include "platform/Form.h"

// frmPick as designed: the short-form column under "Edit:", the text column under "Click text to
// paste:" with "Paste && exit:" over its right-hand part. Its height follows the entries.
Form MakeQuibListForm();

// Form_Resize: the text column takes the window's width less the short-form column and borders.
void LayoutQuibList(Form& form);

// A click in the text column further right than this also closes the list.
inline constexpr int kPasteAndExitX = 1748;
