// The ambo cycle window driven through its controls, compared with the computations it shows.

#include "core/archivio.h"
#include "cycles/ambi/ambi_cicli.h"
#include "cycles/ambi/ambi_cicli_atteso.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "storage/impostazioni.h"
#include "tests/gui/finestra_di_prova.h"
#include "tests/support/archivio_casuale.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/griglia_selezione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>

namespace strovel {
namespace {

class AmbiCicliFinestra : public test::FinestraDiProva<FinestraAmbiCicli> {
protected:
    AmbiCicliFinestra() : FinestraDiProva(500, 23) {}
    /// A click on number n of a two-column list: 1..45 on the left, 46..90 on the right.
    void ClickNumero(const char* lista, int n) {
        Click(lista, n <= 45 ? n - 1 : n - 46, n <= 45 ? 0 : 1);
    }
};

TEST_F(AmbiCicliFinestra, SceltaDeiNumeri) {
    EXPECT_EQ(test::Sovrapposizioni(w.get()), QStringList());
    ClickNumero("Fg90", 7);
    Clicca("Command1");
    EXPECT_EQ(dialoghi.Messaggi().back().titolo, QStringLiteral("Avviso"));
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione ! bisogna selezionare almeno 2 numeri."));
    // "Formazioni" adds the class: cadenza 5 joins the 7 chosen by hand.
    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("C"));
    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("5"));
    Clicca("LblFormazioni");
    const NumeriScelti s =
        w->Scelti(test::Trova<GrigliaSelezione>(w.get(), QStringLiteral("Fg90")));
    EXPECT_EQ(std::count(s.begin(), s.end(), true), 10);
    EXPECT_TRUE(s[7] && s[85] && s[5]);
    Clicca("LblDeselN");
    EXPECT_EQ(
        AmbiDi(w->Scelti(test::Trova<GrigliaSelezione>(w.get(), QStringLiteral("Fg90")))).size(),
        0u);
    Clicca("Command20");
    EXPECT_EQ(
        UltimoMessaggio(),
        QStringLiteral("Attenzione ! bisogna selezionare almeno un numero nel primo elenco."));
}

TEST_F(AmbiCicliFinestra, ElaboraGruppiEvidenziaElimina) {
    test::Trova<QComboBox>(w.get(), QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("3"));
    Clicca("LblFormazioni"); // 30..39
    test::Trova<QCheckBox>(w.get(), QStringLiteral("Check1"))->setChecked(true);
    Clicca("Command1");
    ASSERT_EQ(Righe("Fg1"), 45);
    EXPECT_EQ(Righe("Fg2"), 15);
    EXPECT_EQ(test::Trova<QListWidget>(w.get(), QStringLiteral("List1"))->count(), 1);
    ASSERT_FALSE(avanzamento.empty());
    EXPECT_EQ(avanzamento.back(), 89);
    ElaborazioneAmbi e = ContaAmbi(*archivio, w->LeggiParametri(), AmbiDi(Formazione('D', 3)));
    OrdinaPerCC(e.ambi);
    EXPECT_EQ(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg1"))->Dati().Tsv(),
              TabellaAmbiCicli(e, true).Tsv());
    Click("Fg1", 0, 1);
    EXPECT_GT(Righe("FgRuote"), 0);

    Clicca("cMD_4");
    ASSERT_EQ(Righe("FG9"), 200);
    avanzamento.clear();
    Clicca("Cmd_33");
    EXPECT_EQ(Cella("FG9", 0, 7).toInt(), MiglioriGruppi(e.ambi, 3)[0]->cc);
    // The bar runs over the first member's row: 0 .. 44 for the 45 rows.
    ASSERT_EQ(avanzamento.size(), 45u);
    EXPECT_EQ(avanzamento.back(), 44);
    EXPECT_EQ(massimo, 44);

    // The highlight asks for a count; a text that is no number is refused.
    dialoghi.Rispondi(QStringLiteral("tre"));
    Clicca("Command22");
    EXPECT_EQ(dialoghi.Messaggi().back().icona, Icona::Critica);
    EXPECT_EQ(UltimoMessaggio(), QStringLiteral("Attenzione valore inserito non coerente."));
    EXPECT_EQ(dialoghi.Mostrati()[dialoghi.Mostrati().size() - 2].titolo,
              QStringLiteral("Inserimento esiti negativi consecutivi"));
    dialoghi.Rispondi(QStringLiteral("3"));
    Clicca("Command22");
    const auto evidenziati = w->Sessione().Evidenziati();
    int rossi = 0;
    for (int r = 0; r < 45; ++r) {
        const bool rosso = test::Sfondo(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg1")),
                                        r, 1) == QColor(255, 0, 0);
        EXPECT_EQ(rosso, evidenziati[static_cast<std::size_t>(r)]) << r;
        EXPECT_EQ(rosso, UltimeNegative(e.ambi[static_cast<std::size_t>(r)], 3, 15)) << r;
        rossi += rosso ? 1 : 0;
    }

    test::Trova<GrigliaTabella>(w.get(), QStringLiteral("Fg1"))->setCurrentCell(0, 0);
    Clicca("Cmd_elimina");
    EXPECT_EQ(Righe("Fg1"), 44);
    EXPECT_EQ(Cella("Fg1", 0, 1).toInt(), e.ambi[1].n1);
    // The selection stays on the row that took the deleted one's place.
    Clicca("Cmd_elimina");
    EXPECT_EQ(Righe("Fg1"), 43);
    EXPECT_EQ(Cella("Fg1", 0, 1).toInt(), e.ambi[2].n1);
    Clicca("Cmd_adatta");

    // The second tab: the highlighted ambi, each wheel alone.
    if (rossi > 0) {
        test::Trova<QCheckBox>(w.get(), QStringLiteral("Check3"))->setChecked(true);
        Clicca("Command6");
        EXPECT_EQ(Righe("Fg3"),
                  std::min(rossi - (evidenziati[0] ? 1 : 0) - (evidenziati[1] ? 1 : 0), 15));
        test::Trova<QCheckBox>(w.get(), QStringLiteral("Check3"))->setChecked(false);
    }
    auto* fgA = test::Trova<QTableWidget>(w.get(), QStringLiteral("FgA"));
    fgA->clearContents();
    fgA->setItem(0, 0, new QTableWidgetItem(QStringLiteral("50")));
    fgA->setItem(0, 1, new QTableWidgetItem(QStringLiteral("5")));
    test::Trova<QCheckBox>(w.get(), QStringLiteral("Check2"))->setChecked(true);
    Clicca("Command6");
    ASSERT_EQ(Righe("Fg3"), 11);
    EXPECT_EQ(Cella("Fg3", 10, 5), QStringLiteral("NZ"));
    EXPECT_EQ(Cella("FgA", 0, 0), QStringLiteral("5"));
    Clicca("Cmd_2");
    EXPECT_EQ(Righe("Fg6"), 200);
    // Beside the groups, what the best of as many random groups reaches.
    const ElaborazioneAmbi& secondo = w->Sessione().Secondo();
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCasoSecondo")).toStdString(),
              TestoAttesoCicli(
                  AttesoGruppi(*archivio, secondo, 2, PrimoGruppo(MiglioriGruppi(secondo.ambi, 2))),
                  "per gruppo di 2 ambi"));
    Clicca("Command10");
    EXPECT_EQ(Righe("FgX"), 2);
    const auto capi = Capigioco(*archivio, secondo);
    const AttesoCicli numeri = AttesoCapigioco(*archivio, secondo, capi);
    EXPECT_EQ(numeri.quanti, 2);
    EXPECT_EQ(numeri.primo, std::max(capi[0].cc, capi[1].cc));
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCasoSecondo")).toStdString(),
              TestoAttesoCicli(numeri, "per numero"));
    Clicca("Command19");
    EXPECT_GT(Righe("Fg6"), 0);
    EXPECT_TRUE(test::Etichetta(w.get(), QStringLiteral("LblCasoSecondo"))
                    .startsWith(QStringLiteral("Prima copertura: Per caso: ")));
    fgA->setItem(1, 0, new QTableWidgetItem(QStringLiteral("9")));
    Clicca("Command6");
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione ! ambo non valido: 9-0 (due numeri diversi da 1 a 90)."));

    // Two lists: 30..39 with 77.
    ClickNumero("Fg95", 77);
    Clicca("Command20");
    EXPECT_EQ(Righe("Fg1"), 10);
    EXPECT_EQ(Cella("Fg1", 0, 2), QStringLiteral("77"));
}

TEST_F(AmbiCicliFinestra, PagineDiAiuto) {
    const std::pair<const char*, int> pulsanti[] = {
        {"CmDHelp", 420}, {"CmDHelp2", 440}, {"CmDHelp3", 450}};
    for (const auto& [nome, argomento] : pulsanti) {
        EXPECT_TRUE(EsisteArgomento(argomento)) << argomento;
        Clicca(nome);
        EXPECT_EQ(test::ArgomentoAiutoAperto(), argomento) << nome;
    }
    FinestraAiuto::Apri(420)->close();
}

} // namespace
} // namespace strovel
