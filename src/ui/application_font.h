#pragma once

#include <QFont>

// The font of the window's dialogs and message boxes. On a minimal system whose only fonts
// are the Liberation faces, fontconfig answers "sans-serif" with Liberation Mono, so Qt's
// boxes and dialogs would be drawn in a typewriter face beside controls that name their
// font. A default that resolves to a fixed-pitch face is replaced by the controls' own
// face at the same size; any other default (the desktop's choice) is kept.
QFont ProportionalApplicationFont(const QFont& current);

// Sets it for the whole program; call once the application object exists.
void UseProportionalApplicationFont();
