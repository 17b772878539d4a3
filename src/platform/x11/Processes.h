#pragma once

#include <string>
#include <vector>

// Starts a program detached from this one (it outlives the program and leaves no zombie).
// False when it could not be started.
bool StartDetached(const std::vector<std::string>& argv);

// Takes an exclusive lock on the file, held until the process ends. Returns the descriptor,
// or -1 when another process holds the lock; -2 when the file cannot be opened.
int LockForLife(const std::string& path);

// The display a display name names, written one way: the screen number is dropped (one keyboard
// serves every screen of a display) and "unix:N" is ":N". "localhost:N" stays apart: it is a
// TCP connection, which under ssh's X forwarding is another server than the local ":N".
std::string NormalDisplayName(const std::string& displayName);

// The lock file for one desktop: two copies of the program on one display would both expand
// every short form.
std::string InstanceLockPath(const std::string& displayName);
