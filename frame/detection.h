#pragma once

// Sets frame.osVariant from the registry (read access only).
void DetectOsVariant();
// Sets frame.japanese from the ANSI code page.
void DetectUiLanguage();
