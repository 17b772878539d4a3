#pragma once

struct App;

// The File menu's database commands. Switching and importing end the program: the next start
// loads the database they put in place.

// The File menu opens: which database is in use, and what protected mode allows.
void RefreshFileMenu(App& app);
// "Change to &Original database" and "Change to &Custom database".
void ChangeToOriginalDatabase(App& app);
void ChangeToCustomDatabase(App& app);
// "&Export database": a copy of the working file as last saved.
void ExportDatabase(App& app);
// "&Import database": a database of the type in use replaces the working file.
void ImportDatabase(App& app);
