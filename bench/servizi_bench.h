#pragma once
// The services a window receives, for the benchmarks that open windows on the real archive.

#include "ui/servizi.h"

namespace strovel::bench {

inline ServiziFinestra ServiziBenchmark(Archivio& archivio, Dialoghi& dialoghi) {
    ServiziFinestra s;
    s.archivio = &archivio;
    s.dialoghi = &dialoghi;
    return s;
}

} // namespace strovel::bench
