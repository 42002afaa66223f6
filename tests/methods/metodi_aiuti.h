#pragma once
// Archives with draws set by hand for the method tests: Bari holds 86..90 and every other
// wheel 81..85 in every draw, unless a test writes other numbers.

#include "core/archivio.h"
#include "core/esiti.h"

#include <array>
#include <memory>
#include <string>

namespace strovel::test {

inline std::unique_ptr<Archivio> ArchivioPiatto(int n) {
    auto a = std::make_unique<Archivio>();
    a->TotEstrazioni = static_cast<std::int16_t>(n);
    a->NumEstrazioniAnalisi = a->TotEstrazioni;
    a->UltimaEstrazione = a->TotEstrazioni;
    for (int i = 1; i <= n; ++i) {
        a->DateEstrazioni[static_cast<std::size_t>(i)] = (i % 28 + 1 < 10 ? "0" : "") +
                                                         std::to_string(i % 28 + 1) + "/01/" +
                                                         std::to_string(1950 + i / 28);
        for (int w = 0; w < 11; ++w) {
            for (int p = 1; p <= 5; ++p) {
                a->Estratti(i, w, p) = static_cast<std::int16_t>((w == 0 ? 85 : 80) + p);
            }
        }
    }
    a->ModelloIdentita();
    a->CostruisciPresenze();
    return a;
}

/// Sets the five numbers of wheel w in draw i (the caller rebuilds the presences).
inline void Metti(Archivio& a, int i, int w, std::array<int, 5> numeri) {
    for (int p = 1; p <= 5; ++p) {
        a.Estratti(i, w, p) = static_cast<std::int16_t>(numeri[static_cast<std::size_t>(p - 1)]);
    }
}

/// Gives every draw after `dopo` the numbers `altro` holds there, presences rebuilt: the
/// out-of-sample tests change the future and check that a choice made at `dopo` stays.
inline void CambiaDopo(Archivio& a, const Archivio& altro, int dopo) {
    for (int k = dopo + 1; k <= a.TotEstrazioni; ++k) {
        for (int w = 0; w < 11; ++w) {
            Metti(a, k, w,
                  {altro.Estratti(k, w, 1), altro.Estratti(k, w, 2), altro.Estratti(k, w, 3),
                   altro.Estratti(k, w, 4), altro.Estratti(k, w, 5)});
        }
    }
    a.CostruisciPresenze();
}

inline Ruote SoloRuote(std::initializer_list<int> ruote) {
    Ruote r{};
    for (const int w : ruote) {
        r[static_cast<std::size_t>(w)] = true;
    }
    return r;
}

inline constexpr Ruote TutteLeRuote = {true, true, true, true, true, true,
                                       true, true, true, true, true};
inline constexpr std::array<bool, 5> TutteLePosizioni = {true, true, true, true, true};

} // namespace strovel::test
