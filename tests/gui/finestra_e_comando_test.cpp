// A window and its strovel-cli command are one analysis: with the window's defaults and the
// command's, the same archive gives the same table, cell for cell.

#include "app/funzioni.h"
#include "cli/registro.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/impostazioni.h"
#include "tests/gui/aiuti.h"
#include "tests/support/archivio_casuale.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/servizi.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace strovel {
namespace {

struct Caso {
    const char* tipo;     ///< the window, by its kind in the table of windows
    const char* pulsante; ///< the command the window runs
    const char* griglia;  ///< the grid it fills
    QStringList opzioni;  ///< what the command needs to print the same grid
    /// Choices made in the window first, where its defaults are not the command's.
    std::function<void(QWidget*)> prepara = [](QWidget*) {};
};

/// Every wheel and every position of a method window's selection grids.
void SelezionaTutto(QWidget* w) {
    test::Clicca(w, QStringLiteral("LblSelTutti"));
    auto* posizioni = test::Trova<QAbstractItemView>(w, QStringLiteral("Fgp"));
    for (int p = 0; p < 5; ++p) {
        test::CliccaCella(posizioni, 0, p);
    }
}

QString Esegui(const QStringList& argomenti) {
    QString uscita;
    QString errori;
    QTextStream u(&uscita);
    QTextStream e(&errori);
    EXPECT_EQ(cli::Esegui(argomenti, u, e), 0) << errori.toStdString();
    u.flush();
    return uscita;
}

TEST(FinestraEComando, StessaTabellaConIPredefiniti) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("demo.mdb"));
    Esegui({QStringLiteral("demo-archivio"), percorso, QStringLiteral("--estrazioni"),
            QStringLiteral("700"), QStringLiteral("--seme"), QStringLiteral("11")});
    DatabaseArchivio db;
    ASSERT_TRUE(db.ApriArchivio(percorso, nullptr));
    Archivio archivio;
    ASSERT_FALSE(CaricaArchivioExNovo(db, archivio));
    DatabaseImpostazioni impostazioni;
    ASSERT_TRUE(impostazioni.ApriDatabaseImpostazioni(cartella.path(), nullptr));
    DialoghiScriptati dialoghi;
    ServiziFinestra s;
    s.archivio = &archivio;
    s.db = &db;
    s.impostazioni = &impostazioni;
    s.dialoghi = &dialoghi;
    s.cartellaProgramma = cartella.path();

    const Caso casi[] = {
        {"RitardiSequenza", "SequenzaPeriodo", "Fg2", {QStringLiteral("--periodo")}},
        {"AmboOltreFrm", "Command3", "Fg1", {}},
        {"Metodi_QuadratoMaltese", "Command1", "Fg1", {}},
        // The spy quintet opens with no wheel and no position chosen; its command has them all.
        {"TerzineSpione", "Command1", "FgE", {}, SelezionaTutto},
        // Modulo 2 opens with no wheel chosen; its command counts on every wheel.
        {"Ciclo2",
         "Command12",
         "FgCicli",
         {},
         [](QWidget* w) { test::Clicca(w, QStringLiteral("LblSelTutti")); }},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.tipo);
        const Funzione* f = FunzioneDelTipo(caso.tipo);
        ASSERT_NE(f, nullptr);
        ASSERT_NE(f->comando, nullptr);
        std::unique_ptr<QWidget> finestra(f->crea(s));
        finestra->show();
        caso.prepara(finestra.get());
        test::Clicca(finestra.get(), QString::fromLatin1(caso.pulsante));
        auto* griglia =
            test::Trova<GrigliaTabella>(finestra.get(), QString::fromLatin1(caso.griglia));
        ASSERT_NE(griglia, nullptr);
        ASSERT_GT(griglia->rowCount(), 0);
        const QString comando =
            Esegui(QStringList{QString::fromLatin1(f->comando), percorso} + caso.opzioni);
        EXPECT_EQ(comando.toStdString(), griglia->Dati().Tsv());
    }
}

using Azione = std::function<void(QWidget*)>;

/// Toggles items `voci` of the selection grid `griglia`.
Azione Commuta(const char* griglia, std::initializer_list<int> voci) {
    std::vector<int> v(voci);
    return [griglia, v](QWidget* w) {
        auto* g = test::Trova<GrigliaSelezione>(w, QString::fromLatin1(griglia));
        for (const int voce : v) {
            g->Commuta(voce);
        }
    };
}

Azione Poi(Azione a, Azione b) {
    return [a, b](QWidget* w) {
        a(w);
        b(w);
    };
}

Azione Premi(const char* pulsante) {
    return [pulsante](QWidget* w) { test::Clicca(w, QString::fromLatin1(pulsante)); };
}

TEST(RegolaDellaSelezione, IlComandoLeggeLaSelezioneQuandoParte) {
    // A command run after the selection changed gives what it gives when the new selection was
    // there from the start, and not what the old one gave.
    const std::unique_ptr<Archivio> archivio = test::ArchivioCasuale(600, 23);
    QTemporaryDir cartella;
    DatabaseImpostazioni impostazioni;
    ASSERT_TRUE(impostazioni.ApriDatabaseImpostazioni(cartella.path(), nullptr));
    DialoghiScriptati dialoghi;
    ServiziFinestra s;
    s.archivio = archivio.get();
    s.impostazioni = &impostazioni;
    s.dialoghi = &dialoghi;
    s.cartellaProgramma = cartella.path();

    const Azione spia = [](QWidget* w) {
        test::Trova<QLineEdit>(w, QStringLiteral("TxtNumero"))->setText(QStringLiteral("27"));
    };
    const Azione numeri = Commuta("Fg90", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    const Azione posizioni = Commuta("Fgp", {0, 1, 2, 3, 4});
    struct Regola {
        const char* tipo;
        Azione prepara; ///< the inputs and the first selection
        Azione primo;   ///< the first command
        Azione cambia;  ///< the new selection
        const char* secondo;
        const char* griglia;
    };
    const Regola regole[] = {
        {"Strovel", Poi(Commuta("FgR", {0}), Commuta("FgG", {0})), Premi("Command3"),
         Commuta("FgG", {3}), "Command3", "FgY"},
        {"Ciclo2", Commuta("FgR", {0}), Premi("Command12"), Premi("LblSelTutti"), "Command3",
         "FgSerie"},
        {"Ciclo2", Commuta("FgR", {0}), Premi("Command12"), Commuta("FgPP", {1, 2}), "Command23",
         "FgAmbi"},
        {"CicliAMbi", Poi(numeri, Commuta("FgR", {0})), Premi("Command1"), Commuta("FgR", {4}),
         "Command1", "Fg1"},
        {"MetodoAmbata",
         Poi(Poi(spia, posizioni), Poi(Commuta("FgR", {0, 1, 2}), Commuta("FgG", {0}))),
         Poi(Premi("Command1"), Premi("Command2")), Commuta("FgG", {5, 6}), "Command3", "Fg1"},
        {"TerzineSpione", Poi(posizioni, Poi(Commuta("FgR", {0, 1}), Commuta("FgG", {0}))),
         Premi("Command1"), Commuta("FgG", {2}), "Command1", "FgE"},
        {"AmboOltreFrm", [](QWidget*) {}, Premi("Command3"), Commuta("FgR", {0}), "Command3",
         "Fg1"},
        {"RitardiSequenza", [](QWidget*) {}, Premi("SequenzaPresenze"), Commuta("FgR", {1}),
         "SequenzaPeriodo", "Fg2"},
    };
    for (const Regola& r : regole) {
        SCOPED_TRACE(std::string(r.tipo) + " " + r.secondo);
        const Funzione* f = FunzioneDelTipo(r.tipo);
        ASSERT_NE(f, nullptr);
        // dopo: the command after the change; da capo: the new selection before the first
        // command; prima: the old selection throughout.
        const auto esegui = [&](bool cambiaPrima, bool cambiaDopo) {
            std::unique_ptr<QWidget> w(f->crea(s));
            w->show();
            r.prepara(w.get());
            if (cambiaPrima) {
                r.cambia(w.get());
            }
            r.primo(w.get());
            if (cambiaDopo) {
                r.cambia(w.get());
            }
            test::Clicca(w.get(), QString::fromLatin1(r.secondo));
            auto* g = test::Trova<GrigliaTabella>(w.get(), QString::fromLatin1(r.griglia));
            return g != nullptr ? g->Dati().Tsv() : std::string();
        };
        const std::string dopo = esegui(false, true);
        EXPECT_EQ(dopo, esegui(true, false));
        EXPECT_NE(dopo, esegui(false, false));
    }
}

} // namespace
} // namespace strovel
