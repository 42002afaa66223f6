#pragma once
// Choosing the draws an analysis window works on: the end (and start) positions of its scroll
// bars, a typed index, a date search, and the labels beside the bars. Pure rules over the
// Archivio; the range selector widget applies them.

#include <optional>
#include <string>
#include <string_view>

namespace strovel {

class Archivio;

/// How a window reads a position.
enum class LetturaPosizione {
    /// Model-list windows: position k is the k-th entry of IndiciModello.
    Modello,
    /// Range windows: typed indices and date searches take k as a draw index.
    Estrazione,
};

/// How many draws before the last one the range of a window with a start opens at; the command
/// line starts there too when no start is given.
inline constexpr int ArretramentoSequenzeRitardi = 359;
inline constexpr int ArretramentoAmboSomme = 500;

/// The start of such a range ending at draw `fine`: never before draw 1.
inline int InizioPredefinito(int fine, int arretramento) {
    return fine - arretramento < 1 ? 1 : fine - arretramento;
}

/// Largest position a scroll bar offers. Positions are read through the model list, so they
/// are kept within it: NumEstrazioniAnalisi, but never past NumIndiciModello.
int MassimoPosizioni(const Archivio& a);

/// The reference an out-of-sample check proposes: the last draw a year or more before draw
/// `fine` (1 when the archive is shorter).
int UnAnnoPrima(const Archivio& a, int fine);

/// A typed index, read as a 16-bit integer (blanks around it allowed), when it lies in
/// minimo..massimo (bounds included); nothing otherwise.
std::optional<int> IndiceDigitato(std::string_view risposta, int minimo, int massimo);

/// The first position 1..limite whose date text equals `data` exactly (case and separators
/// included). Model: the date of IndiciModello(k); Estrazione: the date of draw k.
std::optional<int> CercaPosizioneData(const Archivio& a, std::string_view data, int limite,
                                      LetturaPosizione lettura);

/// The draw shown for position k: IndiciModello(k) kept within the list.
int EstrazioneDellaPosizione(const Archivio& a, int k);

/// The label of a scroll bar: k, a blank and the date of the draw of position k, for example
/// "7854 22/12/2022". With `conProgressivoMese`, " PM:" and that draw's ProgressivoMese
/// follow. `estrazioneDiretta` shows draw k itself instead of IndiciModello(k).
std::string EtichettaPosizione(const Archivio& a, int k, bool estrazioneDiretta = false,
                               bool conProgressivoMese = false);

/// Keeps start <= end after one of them moved: the end moving below the start pulls the
/// start down to it; the start moving above the end pushes the end up to it.
void OrdinaIntervallo(int& inizio, int& fine, bool mossaLaFine);

} // namespace strovel
