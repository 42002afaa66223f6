#pragma once
// The names a screen reader says for the grids and fields of every window: the controls keep
// their short program names (FgY, Combo1) and get an Italian name that says what they hold.

class QWidget;

namespace strovel {

/// Gives every grid and field of `finestra` that has no accessible name yet the one this
/// program uses for it.
void DaiNomiAccessibili(QWidget* finestra);

} // namespace strovel
