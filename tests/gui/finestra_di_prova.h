#pragma once
// A window of type Finestra opened on a random archive, with scripted dialogs, a settings
// database in a temporary folder and the main window's progress bar recorded; and the clicks
// and reads the window tests make on it.

#include "core/archivio.h"
#include "storage/impostazioni.h"
#include "tests/gui/aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "ui/dialoghi.h"
#include "ui/servizi.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace strovel::test {

template <class Finestra> class FinestraDiProva : public ::testing::Test {
protected:
    FinestraDiProva(int estrazioni, std::uint64_t seme)
        : archivio(ArchivioCasuale(estrazioni, seme)) {}

    void SetUp() override {
        ASSERT_TRUE(impostazioni.ApriDatabaseImpostazioni(cartella.path(), nullptr));
        ServiziFinestra s;
        s.archivio = archivio.get();
        s.impostazioni = &impostazioni;
        s.dialoghi = &dialoghi;
        s.cartellaProgramma = cartella.path();
        s.pb1.valore = [this](int v) { avanzamento.push_back(v); };
        s.pb1.massimo = [this](int m) { massimo = m; };
        w = std::make_unique<Finestra>(s);
        w->show();
    }

    /// A click on cell (riga, colonna) of grid `griglia`, scrolled into view.
    void Click(const char* griglia, int riga, int colonna) {
        auto* g = Trova<QAbstractItemView>(w.get(), QString::fromLatin1(griglia));
        ASSERT_TRUE(Indice(g, riga, colonna).isValid()) << griglia;
        CliccaCella(g, riga, colonna);
    }
    void Clicca(const char* nome) { test::Clicca(w.get(), QString::fromLatin1(nome)); }
    int Righe(const char* griglia) {
        return Trova<QAbstractItemView>(w.get(), QString::fromLatin1(griglia))->model()->rowCount();
    }
    QString Cella(const char* griglia, int riga, int colonna) {
        return test::Cella(w.get(), QString::fromLatin1(griglia), riga, colonna);
    }
    QString UltimoMessaggio() {
        const auto m = dialoghi.Messaggi();
        return m.empty() ? QString() : m.back().testo;
    }

    QTemporaryDir cartella;
    std::unique_ptr<Archivio> archivio;
    DatabaseImpostazioni impostazioni;
    DialoghiScriptati dialoghi;
    std::vector<int> avanzamento; ///< the values the progress bar showed
    int massimo = -1;             ///< its last maximum
    std::unique_ptr<Finestra> w;
};

} // namespace strovel::test
