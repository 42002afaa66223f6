#pragma once
// The archive of draws held in memory: numbers, dates, progressive numbers, counters and the
// model list that maps a position chosen in an analysis window to a draw index.
//
// One Archivio lives for the whole run; only the loaders write it, everybody else reads it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace strovel {

/// Drawn numbers, indexed by draw i (0..9999), wheel r (0..10) and position p (1..5). Stored
/// contiguously with the draw index varying fastest: element (i, r, p) is at
/// i + 10000 * (r + 11 * (p - 1)). A value is 1..90, or 0 where the stored text had no number.
class TabellaEstratti {
public:
    static constexpr int Estrazioni = 10000;
    static constexpr std::size_t Elementi = std::size_t{Estrazioni} * 11 * 5;

    TabellaEstratti() : dati_(Elementi, 0) {}

    static constexpr std::size_t Posizione(int i, int r, int p) {
        return static_cast<std::size_t>(i) +
               std::size_t{Estrazioni} * static_cast<std::size_t>(r + 11 * (p - 1));
    }
    std::int16_t operator()(int i, int r, int p) const { return dati_[Posizione(i, r, p)]; }
    std::int16_t& operator()(int i, int r, int p) { return dati_[Posizione(i, r, p)]; }

    void Azzera();
    const std::vector<std::int16_t>& Dati() const { return dati_; }

private:
    std::vector<std::int16_t> dati_;
};

class Archivio {
public:
    /// Largest number of draws the archive holds.
    static constexpr int Capacita = 9999;

    Archivio();

    TabellaEstratti Estratti;
    /// Date of each draw as dd/mm/yyyy text, index 1..TotEstrazioni.
    std::vector<std::string> DateEstrazioni;
    std::vector<std::int16_t> ProgressivoAnno;
    std::vector<std::int16_t> ProgressivoMese;

    std::int16_t TotEstrazioni = 0;
    std::int16_t UltimaEstrazione = 0;
    std::int16_t NumEstrazioniAnalisi = 0;
    std::int16_t NumIndiciModello = 0;
    /// Positions 1..NumIndiciModello hold draw indices; position 0 is never used.
    std::vector<std::int16_t> IndiciModello;
    /// Wheel found by the last successful IndiceRuota.
    std::int16_t RuotaCorrente = 0;

    /// The date of draw i as dd/mm/yyyy, or an empty text for an index outside the archive.
    std::string Data(int i) const {
        return i >= 1 && i <= TotEstrazioni ? DateEstrazioni[static_cast<std::size_t>(i)]
                                            : std::string();
    }

    /// Upper-cases `codice` in place; when its first two characters are a wheel code, stores
    /// that wheel in RuotaCorrente, otherwise leaves RuotaCorrente as it was.
    void IndiceRuota(std::string& codice);

    /// Draw index shown at position k of the model list. Positions are kept within the list:
    /// below 1 gives the first entry, past NumIndiciModello gives the last. Returns 0 when the
    /// list is empty.
    std::int16_t IndiceModello(int k) const;

    /// Whether `numero` (1..90) is among the five numbers of draw i on wheel r. Built by
    /// CostruisciPresenze next to Estratti.
    bool Presente(int i, int r, int numero) const {
        const std::uint64_t* m = &presenze_[Slot(i, r)];
        const int bit = numero - 1;
        return ((bit < 64 ? m[0] >> bit : m[1] >> (bit - 64)) & 1u) != 0;
    }
    /// Whether wheel r holds numbers at draw i: the Nazionale before it was drawn, and any wheel
    /// written 00-00-00-00-00, hold none, and a play there is no play.
    bool Estratta(int i, int r) const { return Estratti(i, r, 1) != 0; }
    /// The 90-bit presence mask of draw i on wheel r: bits 0..63 and 64..89 (numero - 1).
    std::array<std::uint64_t, 2> Maschera(int i, int r) const {
        return {presenze_[Slot(i, r)], presenze_[Slot(i, r) + 1]};
    }

    // --- Steps used by the loaders ---------------------------------------------------------

    /// ProgressivoMese and ProgressivoAnno of draws 1..TotEstrazioni from their dates.
    void CalcolaProgressivi();
    /// Model list over the whole archive: position k holds draw k.
    void ModelloIdentita();
    /// Model list from draw `estrazioneIniziale` to the last draw. Returns false, leaving the
    /// list as it was, when that would give no entry (a start below 1 or past the last draw).
    bool ModelloDaEstrazioneIniziale(int estrazioneIniziale);
    /// Rebuilds the presence masks of draws 0..TotEstrazioni from Estratti.
    void CostruisciPresenze();
    /// Rebuilds the presence mask of draw i on wheel r alone, after its numbers changed.
    void AggiornaPresenze(int i, int r);

    /// The archive as it stood after draw `ultima` (1..TotEstrazioni): the later draws are
    /// wiped, so that a method run on it cannot see them; the analysis range ends there too
    /// and the model list keeps its entries up to there.
    Archivio FinoA(int ultima) const;

private:
    static std::size_t Slot(int i, int r) {
        return 2 * (static_cast<std::size_t>(i) * 11 + static_cast<std::size_t>(r));
    }
    std::vector<std::uint64_t> presenze_;
};

} // namespace strovel
