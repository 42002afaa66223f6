// The Maltese square window driven through its controls: the first tab, the cinquina tabs with
// their question and message, the decimal working and the copies.

#include "core/archivio.h"
#include "methods/maltese/maltese.h"
#include "methods/maltese/maltese_cinquina.h"
#include "methods/maltese/maltese_finestra.h"
#include "tests/gui/finestra_di_prova.h"
#include "ui/aiuto.h"
#include "ui/selettore_intervallo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace strovel {
namespace {

class MalteseFinestra : public test::FinestraDiProva<FinestraQuadratoMaltese> {
protected:
    MalteseFinestra() : FinestraDiProva(700, 9) {}
    QComboBox* Combo(const char* nome) {
        return test::Trova<QComboBox>(w.get(), QString::fromLatin1(nome));
    }
    QStringList Linee(const char* lista) {
        QStringList r;
        auto* l = test::Trova<QListWidget>(w.get(), QString::fromLatin1(lista));
        for (int i = 0; i < l->count(); ++i) {
            r << l->item(i)->text();
        }
        return r;
    }
    static QStringList Attese(const RiepilogoEsiti& r, int nonIncassabili = -1) {
        QStringList righe;
        for (const std::string& s : RigheRiepilogo(r, nonIncassabili)) {
            righe << QString::fromStdString(s);
        }
        return righe;
    }
};

TEST_F(MalteseFinestra, PrimaSchedaQuadratoECopia) {
    EXPECT_EQ(Combo("Combo1")->currentText(), QStringLiteral("BA"));
    EXPECT_FALSE(test::Trova<QPushButton>(w.get(), QStringLiteral("Command3"))->isEnabled());

    // The end position: back by the selector, forward to the last draw by "Ultima".
    w->findChild<SelettoreIntervallo*>()->ImpostaFine(300);
    EXPECT_EQ(w->LeggiParametri().fine, 300);
    for (QPushButton* b : w->findChildren<QPushButton*>(QStringLiteral("Command42"))) {
        if (b->text() == QStringLiteral("Ultima")) {
            b->click();
        }
    }
    Combo("Combo1")->setCurrentIndex(3);
    Combo("Combo3")->setCurrentIndex(1); // 20 cases
    Combo("Combo4")->setCurrentIndex(4); // 5 colpi
    const ParametriMaltese p = w->LeggiParametri();
    EXPECT_EQ(p.ruota, 3);
    EXPECT_EQ(p.casi, 20);
    EXPECT_EQ(p.colpi, 5);
    EXPECT_EQ(p.fine, 700);
    Clicca("Command1");
    const auto casi = ElaboraMaltese(*archivio, p);
    const Tabella attesa = TabellaMaltese(*archivio, 3, casi);
    ASSERT_EQ(Righe("Fg1"), 20);
    EXPECT_EQ(Linee("List4"), Attese(RiassumiMaltese(casi), NonIncassabili(casi)));
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCaso")).toStdString(),
              TestoConfronto(ConfrontaMaltese(casi)));
    // FgX holds the last square computed; a click on a row shows that case's.
    EXPECT_EQ(Cella("FgX", 2, 3).toInt(), casi.back().quadrato[8]);
    Click("Fg1", 4, 2);

    // "Copia tabella": the grid as tab-separated text, header first; every grid's context menu
    // has it too.
    QApplication::clipboard()->clear();
    Clicca("Command8");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), attesa.Tsv());
    auto* fgX = test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgX"));
    ASSERT_EQ(fgX->actions().size(), 3);
    EXPECT_EQ(fgX->actions()[0]->text(), QStringLiteral("Copia tabella"));
    fgX->actions()[0]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              TabellaQuadrato(casi[4].quadrato).Tsv());
    // Out of sample: the cases after the draw given.
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("650"));
    Clicca("CmdFuoriCampione");
    ASSERT_EQ(dialoghi.Mostrati().size(), 2u);
    ParametriMaltese dopo = p;
    dopo.casi = 50;
    const auto casiDopo = ElaboraMaltese(*archivio, dopo);
    const RiepilogoEsiti rd = RiassumiMaltese(casiDopo);
    EXPECT_EQ(dialoghi.Mostrati()[1].testo.toStdString(),
              TestoVerificaDopo(650, rd, ConfrontaMaltese(casiDopo)));

    Clicca("CmDHelp");
    EXPECT_EQ(test::ArgomentoAiutoAperto(), 480);
    FinestraAiuto::Apri(480)->close();
}

TEST_F(MalteseFinestra, CinquineDomandaCifreEDecimali) {
    auto* schede = test::Trova<QTabWidget>(w.get(), QStringLiteral("SchedeMaltese"));
    schede->setCurrentIndex(2);
    EXPECT_TRUE(test::Trova<QPushButton>(w.get(), QStringLiteral("Command3"))->isEnabled());
    auto* cifre = test::Trova<QLineEdit>(w.get(), QStringLiteral("Cifre2"));
    EXPECT_EQ(cifre->text(), QStringLiteral("10"));
    cifre->setText(QStringLiteral("5"));
    Clicca("Command7");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Avviso"));
    EXPECT_EQ(UltimoMessaggio(),
              QStringLiteral("Attenzione il valore ' Cifre ' deve essere almeno 6"));
    EXPECT_EQ(Righe("FgCinquina2"), 0);

    // The latest draw on the 28th: the question comes, and Yes makes it a case.
    std::string& data = archivio->DateEstrazioni[700];
    data.replace(0, 2, "28");
    cifre->setText(QStringLiteral("8"));
    test::Trova<QRadioButton>(w.get(), QStringLiteral("DecimaliFissi2"))->setChecked(true);
    dialoghi.Azzera();
    dialoghi.RispondiSi();
    Clicca("Command7");
    ASSERT_EQ(dialoghi.Mostrati().size(), 1u);
    EXPECT_EQ(dialoghi.Mostrati()[0].titolo, QStringLiteral("Richiesta"));
    EXPECT_EQ(dialoghi.Mostrati()[0].testo,
              QStringLiteral("L'ultima estrazione disponibile è l'ultima del mese ? "));
    ParametriCinquinaMaltese p;
    p.variante = 2;
    p.fine = 700;
    p.modalita = ModalitaDecimali::DecimaliFissi;
    p.cifre = 8;
    p.ultimaDelMese = true;
    auto casi = ElaboraCinquinaMaltese(*archivio, p);
    ASSERT_GE(casi.size(), 2u);
    EXPECT_EQ(casi[0].estrazione, 700);
    EXPECT_EQ(test::Trova<GrigliaTabella>(w.get(), QStringLiteral("FgCinquina2"))->Dati().Tsv(),
              TabellaCinquina(*archivio, 0, casi).Tsv());
    EXPECT_EQ(Linee("ListCinquina2"), Attese(RiassumiCinquine(casi)));

    // VERIFICA TERNO and the decimal working.
    Clicca("Command6");
    VerificaCinquine(*archivio, 0, 10, 3, casi);
    EXPECT_EQ(Linee("ListCinquina2"), Attese(RiassumiCinquine(casi)));
    EXPECT_EQ(test::Etichetta(w.get(), QStringLiteral("LblCaso2")).toStdString(),
              TestoConfronto(ConfrontaCinquine(casi)));
    Clicca("Command3");
    ASSERT_EQ(Righe("FgDecimali2"), static_cast<int>(casi.size()));
    EXPECT_EQ(Cella("FgDecimali2", 1, 5).toStdString(), casi[1].lavoro.risultato.Testo());

    // Before the 25th no question, and the latest draw is no case.
    data.replace(0, 2, "24");
    dialoghi.Azzera();
    schede->setCurrentIndex(3);
    Clicca("Command10");
    EXPECT_TRUE(dialoghi.Mostrati().empty());
    p.variante = 3;
    p.modalita = ModalitaDecimali::Calcolatrice;
    p.cifre = 10;
    p.ultimaDelMese = false;
    EXPECT_EQ(Righe("FgCinquina3"), static_cast<int>(ElaboraCinquinaMaltese(*archivio, p).size()));
    EXPECT_NE(Cella("FgCinquina3", 0, 1), QStringLiteral("700"));
    QApplication::clipboard()->clear();
    Clicca("Command24");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              TabellaCinquina(*archivio, 0, ElaboraCinquinaMaltese(*archivio, p)).Tsv());
}

} // namespace
} // namespace strovel
