#pragma once
// Sets of Lotto numbers 1..90 as 90 bits, and the rules every window shares over them: the
// numbers a draw brought out on a wheel, when a play of an ambata and its quartina is positive,
// and the delay of a number on a wheel.

#include <bit>
#include <cstdint>

namespace strovel {

class Archivio;

/// A set of numbers 1..90: bit n - 1 for number n. Anything else is never a member.
struct Insieme90 {
    std::uint64_t basso = 0; ///< numbers 1..64
    std::uint64_t alto = 0;  ///< numbers 65..90

    constexpr void Aggiungi(int n) {
        if (n >= 1 && n <= 64) {
            basso |= std::uint64_t{1} << (n - 1);
        } else if (n >= 65 && n <= 90) {
            alto |= std::uint64_t{1} << (n - 65);
        }
    }
    constexpr bool Contiene(int n) const {
        if (n >= 1 && n <= 64) {
            return ((basso >> (n - 1)) & 1u) != 0;
        }
        if (n >= 65 && n <= 90) {
            return ((alto >> (n - 65)) & 1u) != 0;
        }
        return false;
    }
    constexpr Insieme90& operator|=(const Insieme90& o) {
        basso |= o.basso;
        alto |= o.alto;
        return *this;
    }
    /// How many numbers the two sets share.
    constexpr int ComuniCon(const Insieme90& o) const {
        return std::popcount(basso & o.basso) + std::popcount(alto & o.alto);
    }
    constexpr int Numeri() const { return std::popcount(basso) + std::popcount(alto); }
};

/// The numbers draw k brought out on wheel r.
Insieme90 Uscita(const Archivio& a, int k, int r);

/// The rule of a positive play: the ambata came out, or at least two different members of the
/// quartina (ambata and companions) came out together.
constexpr bool Positivo(const Insieme90& uscita, int ambata, const Insieme90& quartina) {
    return uscita.Contiene(ambata) || uscita.ComuniCon(quartina) >= 2;
}

/// Draws since number n last came out on wheel r, counted back from draw `riferimento`
/// (0 when it came out there); -1 when it never came out, or n is no Lotto number.
int Ritardo(const Archivio& a, int riferimento, int r, int n);

} // namespace strovel
