#pragma once

#include <string>
#include <vector>

// Starts a program detached from this one (it outlives the program and leaves no zombie).
// False when it could not be started.
bool StartDetached(const std::vector<std::string>& argv);

// Takes an exclusive lock on the file, held until the process ends. Returns the descriptor,
// or -1 when another process holds the lock; -2 when the file cannot be opened.
int LockForLife(const std::string& path);

// The lock file for one desktop: two copies of the program on one display would both expand
// every short form.
std::string InstanceLockPath(const std::string& displayName);
