#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/DesktopWindows.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/FormHost.h"
#include "platform/Keyboard.h"
#include "platform/Programs.h"

// The one boundary between the program and a desktop: everything above it is portable, and each
// backend (simulated, Win32, X11) implements the whole of it. Its parts are separate interfaces
// so that a subsystem names only what it uses (the store reads and writes Files). Key codes are
// Windows virtual-key codes; texts are Windows-1252 bytes, converted only inside a backend.
class Platform : public Keyboard,
                 public Clock,
                 public DesktopWindows,
                 public Clipboard,
                 public FormHost,
                 public Dialogs,
                 public Files,
                 public Programs {};
