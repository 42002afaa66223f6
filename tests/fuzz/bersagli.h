#pragma once
// The fuzz targets: each feeds arbitrary bytes to one reader of outside input and checks what
// must hold whatever the input. The same functions run under libFuzzer (scripts/fuzz.sh) and,
// on the saved corpus and crashes, as ordinary tests.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strovel::fuzz {

/// A target: the broken property as text, or nothing when everything held.
using Bersaglio = std::optional<std::string> (*)(const std::uint8_t* dati, std::size_t n);

std::optional<std::string> FuzzColonne(const std::uint8_t* dati, std::size_t n);
std::optional<std::string> FuzzStorico(const std::uint8_t* dati, std::size_t n);
std::optional<std::string> FuzzRuota(const std::uint8_t* dati, std::size_t n);
std::optional<std::string> FuzzIncolla(const std::uint8_t* dati, std::size_t n);
std::optional<std::string> FuzzData(const std::uint8_t* dati, std::size_t n);

struct VoceBersaglio {
    const char* nome;
    Bersaglio funzione;
};
/// Every target by name: colonne, storico, ruota, incolla, data.
const std::vector<VoceBersaglio>& Bersagli();

/// Seed inputs for target `nome` cut from the real text archives in `cartellaDati`
/// (archivio.txt, storico.txt): short runs of lines, single fields, dates. Empty when the
/// files are absent.
std::vector<QByteArray> SemiDaiDatiReali(const QString& nome, const QString& cartellaDati);

} // namespace strovel::fuzz
