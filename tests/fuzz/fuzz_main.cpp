// One libFuzzer entry point per target; STROVEL_BERSAGLIO names the target's function.

#include "tests/fuzz/bersagli.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    if (const auto rotto = strovel::fuzz::STROVEL_BERSAGLIO(dati, n)) {
        std::fprintf(stderr, "proprietà violata: %s\n", rotto->c_str());
        std::abort();
    }
    return 0;
}
