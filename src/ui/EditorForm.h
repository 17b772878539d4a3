#pragma once

#include "platform/Form.h"

// frmEdit as designed: the short-form and expansion boxes, the two exclusive state boxes, the five
// buttons and the note on taking a short form off the Quib List.
Form MakeEditorForm();
