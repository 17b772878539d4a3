#pragma once

struct App;

// Opening the Options menu: every caption and check mark from the current settings.
void RefreshOptionsMenu(App& app);
