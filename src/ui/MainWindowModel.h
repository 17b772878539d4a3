#pragma once

#include "platform/Form.h"

// frmKeyvane as designed: its controls, its default geometry and its whole menu tree. Captions
// that depend on the run's state are given as they stand at start-up; the handlers that own that
// state rewrite them (and the check marks and enabled states) when their menu opens.
Form MakeMainWindowForm();

// frmKVDisp as designed: a borderless, topmost strip with the one label the engine writes into.
Form MakeDisplayPanelForm();
