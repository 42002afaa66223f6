// A window and its strovel-cli command are one analysis: with the window's defaults and the
// command's, the same archive gives the same table, cell for cell.

#include "app/funzioni.h"
#include "cli/registro.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/impostazioni.h"
#include "tests/gui/aiuti.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"

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
        {"Ciclo2", "Command12", "FgCicli", {}},
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

} // namespace
} // namespace strovel
