#pragma once

// The add operation in interactive use. The engine names it for define mode in its own header;
// the editor and the Quib List reach it through this one.
#include "engine/EditHooks.h"
