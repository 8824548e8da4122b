#pragma once

#include <QScrollBar>

// What assistive technology is told of the window's scroll bars and status line beyond
// what Qt tells of any bar or label: a bar's value as the percent its label shows, and
// the status line as a status bar whose name is its current text.

// Marks `bar` as showing its value as a percent of `divisor` (256 for the speed scales,
// 220 for the brake).
void SetPercentOf(QScrollBar* bar, int divisor);
// Marks the label as the window's status line.
void MarkAsStatusLine(QWidget* label);
// Installs the accessible interfaces for the marked controls, once per process, before the
// controls are made (Qt keeps the first interface it makes for a control).
void InstallAccessibleControls();
// Tells assistive technology that the status line's text changed.
void AnnounceStatus(QWidget* label);
