#pragma once
// Parameter presets of the analysis windows: small text files "Memo" + n + ".Txt" in the
// program folder, one decimal integer per line.

#include <QString>

#include <vector>

namespace strovel {

QString PercorsoPreset(const QString& cartellaProgramma, int numero);

/// Writes the values one per line (CR LF), replacing the file.
bool ScriviPreset(const QString& percorso, const std::vector<int>& valori);

/// The values read in order, at most `massimo`, stopping at the first line that is not an
/// integer; nothing when the file cannot be read.
std::vector<int> LeggiPreset(const QString& percorso, int massimo);

} // namespace strovel
