#pragma once
// Progress of a long job, the one type every computation reports through: the maximum once,
// then the value as the job goes, and the end. Windows connect it to the main window's bar
// pb1; tests record it; the command line leaves it empty.

#include <functional>

namespace strovel {

struct Progresso {
    std::function<void(int)> massimo;
    std::function<void(int)> valore;
    /// The job has ended (the value steps only every 10th or 50th row, so without this a
    /// finished job would stay at 96-99%).
    std::function<void()> completo;

    void Massimo(int m) const {
        if (massimo) {
            massimo(m);
        }
    }
    void Valore(int v) const {
        if (valore) {
            valore(v);
        }
    }
    void Completa() const {
        if (completo) {
            completo();
        }
    }
};

} // namespace strovel
