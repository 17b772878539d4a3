#pragma once

// Xlib's macros None and Bool are names inside GoogleTest: this header comes after the X
// headers and before gtest's.
#undef None
#undef Bool
