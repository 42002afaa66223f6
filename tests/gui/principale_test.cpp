#include "app/contesto.h"
#include "app/finestra_principale.h"
#include "app/funzioni.h"
#include "archive/archivio_finestra.h"
#include "cli/registro.h"
#include "core/data_testo.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/strovel/strovel_finestra.h"
#include "storage/caricamento.h"
#include "tests/gui/aiuti.h"
#include "tests/support/supporto.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/grafico.h"
#include "ui/menu_griglia.h"

#include <QCalendarWidget>
#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace strovel {
namespace {

class Principale : public ::testing::Test {
protected:
    DialoghiScriptati dialoghi;
    Contesto contesto{dialoghi};
    std::unique_ptr<FinestraPrincipale> finestra;

    void SetUp() override {
        Archivio& a = *contesto.archivio;
        const auto inizio = NumeroGiorno(Data{1, 1, 2000});
        for (int i = 1; i <= 120; ++i) {
            a.DateEstrazioni[static_cast<std::size_t>(i)] =
                TestoData(DataDaNumeroGiorno(inizio + i));
        }
        a.TotEstrazioni = 120;
        a.NumEstrazioniAnalisi = 120;
        a.CalcolaProgressivi();
        a.ModelloIdentita();
        finestra = std::make_unique<FinestraPrincipale>(contesto);
        finestra->show();
    }
};

TEST_F(Principale, SchermoDa1366x768) {
    // The button row wraps: everything stays on a 1366x768 screen, and on a large one the
    // row is a single line.
    finestra->resize(1366, 768);
    QApplication::processEvents();
    EXPECT_LE(finestra->width(), 1366);
    const QRect visibile = finestra->rect();
    for (const char* nome : {"Command1", "Command9", "CmDHelp", "Command45", "pb1"}) {
        auto* w = test::Trova<QWidget>(finestra.get(), QString::fromLatin1(nome));
        const QRect r(w->mapTo(finestra.get(), QPoint(0, 0)), w->size());
        EXPECT_TRUE(visibile.contains(r)) << nome;
    }
    finestra->resize(1920, 1080);
    QApplication::processEvents();
    EXPECT_EQ(test::Trova<QWidget>(finestra.get(), QStringLiteral("Command1"))->y(),
              test::Trova<QWidget>(finestra.get(), QStringLiteral("Command45"))->y());
    // The two cycle buttons share their tooltip but not their caption.
    EXPECT_NE(test::Trova<QPushButton>(finestra.get(), QStringLiteral("Command10"))->text(),
              test::Trova<QPushButton>(finestra.get(), QStringLiteral("Command3"))->text());
}

TEST_F(Principale, OgniFinestraDalSuoPulsante) {
    // Every window opens from its button, with its help on F1 and its command.
    finestra->resize(1366, 768);
    QApplication::processEvents();
    for (const Funzione& funzione : Funzioni()) {
        const char* pulsante = funzione.pulsante;
        test::Clicca(finestra->menuWidget(), QString::fromLatin1(pulsante));
        QApplication::processEvents();
        QMdiSubWindow* sotto = finestra->Area()->activeSubWindow();
        ASSERT_NE(sotto, nullptr) << pulsante;
        EXPECT_EQ(sotto->objectName(), QStringLiteral("Finestra_") + QLatin1String(funzione.tipo));
        // F1 opens the help of the window in front.
        QTest::keyClick(sotto->widget(), Qt::Key_F1);
        EXPECT_EQ(test::ArgomentoAiutoAperto(), funzione.aiuto > 0 ? funzione.aiuto : 220)
            << pulsante;
        // An analysis window's command exists, and so does its help.
        if (funzione.comando != nullptr) {
            QString uscita;
            QString errori;
            QTextStream u(&uscita);
            QTextStream e(&errori);
            EXPECT_EQ(cli::Esegui({QString::fromLatin1(funzione.comando), QStringLiteral("--help")},
                                  u, e),
                      0)
                << funzione.comando;
        }
        // Every control in its own place, on every tab (the screen test checks they are in
        // sight).
        EXPECT_EQ(test::Sovrapposizioni(sotto->widget()), QStringList()) << pulsante;
        EXPECT_EQ(test::CelleFuoriVista(sotto->widget()), QStringList()) << pulsante;
        for (QTabWidget* schede : sotto->widget()->findChildren<QTabWidget*>()) {
            for (int i = 0; i < schede->count(); ++i) {
                schede->setCurrentIndex(i);
                QApplication::processEvents();
                EXPECT_EQ(test::Sovrapposizioni(schede->currentWidget()), QStringList())
                    << pulsante << " " << schede->tabText(i).toStdString();
                EXPECT_EQ(test::CelleFuoriVista(sotto->widget()), QStringList())
                    << pulsante << " " << schede->tabText(i).toStdString();
            }
        }
        if (QByteArray(pulsante) == "Command10" || QByteArray(pulsante) == "Command3") {
            // The results keep at least half of the Strovel window and lie wholly inside it:
            // only the grids scroll, not the whole results side.
            auto* schede = test::Trova<QWidget>(sotto, QStringLiteral("SchedeRisultati"));
            const QRect r(schede->mapTo(sotto, QPoint(0, 0)), schede->size());
            EXPECT_TRUE(sotto->rect().contains(r));
            EXPECT_GE(schede->width() * 2, sotto->width() - 40);
        }
    }
}

TEST_F(Principale, GiorniEMesiPerLaFinestraAttiva) {
    const auto clicca = [&] {
        test::Clicca(finestra->menuWidget(), QStringLiteral("CmdGiorniMesi"));
    };
    const auto ultimo = [&] { return dialoghi.Mostrati().back(); };
    // Without an analysis window in front there is nothing to filter.
    clicca();
    EXPECT_EQ(ultimo().testo,
              QStringLiteral("Aprire prima la finestra di analisi a cui applicare il filtro."));
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command1"));
    clicca();
    EXPECT_EQ(ultimo().tipo, DialoghiScriptati::Tipo::Messaggio);

    // 120 days from Sunday 2 January 2000: 17 Saturdays, 4 of them in January.
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command3"));
    const auto attiva = [&] {
        return qobject_cast<FinestraCiclo2*>(finestra->Area()->activeSubWindow()->widget());
    };
    ASSERT_NE(attiva(), nullptr);
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 120);
    // Every day ticked keeps every draw: the window stays as it is.
    FinestraCiclo2* prima = attiva();
    dialoghi.Rispondi(QStringLiteral("1-7|"));
    clicca();
    EXPECT_EQ(attiva(), prima);
    EXPECT_FALSE(finestra->FiltroDi(QStringLiteral("Ciclo2")).Attivo());
    // A maximized window comes back maximized, and the other windows keep their state.
    QMdiSubWindow* ciclo2 = finestra->Area()->activeSubWindow();
    QMdiSubWindow* altra = nullptr;
    for (QMdiSubWindow* w : finestra->Area()->subWindowList()) {
        w->showMaximized();
        altra = w != ciclo2 ? w : altra;
    }
    finestra->Area()->setActiveSubWindow(ciclo2);
    ASSERT_NE(altra, nullptr);
    dialoghi.Rispondi(QStringLiteral("sab|"));
    clicca();
    QMdiSubWindow* filtrata = finestra->Area()->activeSubWindow();
    EXPECT_TRUE(filtrata->isMaximized());
    finestra->Area()->setActiveSubWindow(altra);
    EXPECT_TRUE(altra->isMaximized());
    finestra->Area()->setActiveSubWindow(filtrata);
    EXPECT_EQ(ultimo().tipo, DialoghiScriptati::Tipo::GiorniEMesi);
    EXPECT_EQ(ultimo().proposta, QString());
    ASSERT_NE(attiva(), nullptr);
    EXPECT_EQ(attiva()->windowTitle(), QStringLiteral("Strovel: Modulo 2 - solo sabato"));
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 17);
    // A window at its normal size keeps its place and size.
    finestra->Area()->activeSubWindow()->showNormal();
    const QRect geometria(10, 20, 700, 500);
    finestra->Area()->activeSubWindow()->setGeometry(geometria);
    dialoghi.Rispondi(QStringLiteral("sab|gen"));
    clicca();
    EXPECT_FALSE(finestra->Area()->activeSubWindow()->isMaximized());
    EXPECT_EQ(finestra->Area()->activeSubWindow()->geometry(), geometria);
    EXPECT_EQ(ultimo().proposta, QStringLiteral("sabato"));
    EXPECT_EQ(attiva()->windowTitle(), QStringLiteral("Strovel: Modulo 2 - solo sabato; gennaio"));
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 4);
    // No draw in August: the filter stays as it was. Cancelling changes nothing either.
    dialoghi.Rispondi(QStringLiteral("|ago"));
    clicca();
    EXPECT_EQ(ultimo().testo, QStringLiteral("Nessuna estrazione nei giorni e mesi scelti."));
    clicca();
    EXPECT_EQ(DescriviFiltro(finestra->FiltroDi(QStringLiteral("Ciclo2"))), "sabato; gennaio");
    // Closed and opened again, the window keeps its kind's filter; the others have none.
    finestra->Area()->activeSubWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command3"));
    ASSERT_NE(attiva(), nullptr);
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 4);
    EXPECT_FALSE(finestra->FiltroDi(QStringLiteral("Strovel")).Attivo());
    // A reload that shortens the archive to 20 days reaches the filtered window: 2 Saturdays.
    contesto.archivio->TotEstrazioni = 20;
    contesto.archivio->NumEstrazioniAnalisi = 20;
    contesto.archivio->ModelloIdentita();
    finestra->Ricaricato();
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 2);
    contesto.archivio->TotEstrazioni = 120;
    contesto.archivio->NumEstrazioniAnalisi = 120;
    contesto.archivio->ModelloIdentita();
    finestra->Ricaricato();
    // A chart from a grid of the filtered window runs over its draws only.
    attiva()->RilevaCicli_();
    auto* fgB1 = test::Trova<GrigliaTabella>(attiva(), QStringLiteral("FgB1"));
    QMenu* menu = MenuGriglia(fgB1, test::CentroCella(fgB1, 0, 0));
    ASSERT_NE(menu, nullptr);
    menu->actions().back()->trigger();
    delete menu;
    auto* grafico = attiva()->findChild<FinestraGrafico*>(QStringLiteral("GraficoRitardi"));
    ASSERT_NE(grafico, nullptr);
    EXPECT_EQ(qobject_cast<QLineSeries*>(grafico->Grafico()->series().value(0))->count(), 4);
    EXPECT_EQ(finestra->ArchivioDi(fgB1).TotEstrazioni, 4);
    EXPECT_EQ(&finestra->ArchivioDi(finestra.get()), contesto.archivio.get());
    // Nothing ticked: every draw again.
    dialoghi.Rispondi(QStringLiteral("|"));
    clicca();
    EXPECT_EQ(attiva()->windowTitle(), QStringLiteral("Strovel: Modulo 2"));
    EXPECT_EQ(attiva()->LeggiParametri().riferimento, 120);
}

TEST_F(Principale, StrisciaAreaEBarraDiAvanzamento) {
    finestra->resize(1366, 768);
    QApplication::processEvents();
    // The range strip: its titles over its five labels, nothing on top of anything else; the
    // window frame takes the rest of the height.
    QStringList titoli;
    for (const QLabel* l : finestra->findChildren<QLabel*>()) {
        titoli << l->text();
    }
    for (const char* titolo : {"Inizio", "Fine", "N° estr"}) {
        EXPECT_TRUE(titoli.contains(QString::fromUtf8(titolo))) << titolo;
    }
    EXPECT_EQ(test::Sovrapposizioni(finestra->centralWidget()), QStringList());
    EXPECT_GT(finestra->Area()->height(), finestra->centralWidget()->height() * 2 / 3);
    // A window's long work moves the main window's bar.
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command10"));
    auto* strovel = finestra->findChild<FinestraStrovel*>();
    ASSERT_NE(strovel, nullptr);
    test::Clicca(strovel, QStringLiteral("LblSelTuttiR"));
    test::Clicca(strovel, QStringLiteral("LblSelTuttiG"));
    finestra->pb1()->setMaximum(1);
    strovel->Elabora();
    EXPECT_EQ(finestra->pb1()->maximum(), 89);
}

TEST_F(Principale, EstrazioniDelModelloInVerde) {
    auto* ev = test::Trova<QLabel>(finestra.get(), QStringLiteral("Lbl_Ev"));
    EXPECT_EQ(ev->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(ev->text(), QStringLiteral("120"));
}

TEST_F(Principale, GrigliaDegliIndici) {
    auto* griglia = test::Trova<QTableView>(finestra.get(), QStringLiteral("GrigliaIndici"));
    auto* m = griglia->model();
    ASSERT_EQ(m->rowCount(), 120);
    EXPECT_EQ(m->index(0, 0).data().toInt(), 1);
    EXPECT_EQ(m->index(30, 1).data().toString(), QStringLiteral("01/02/2000"));
    EXPECT_EQ(m->index(30, 3).data().toInt(), 1);  // first draw of February
    EXPECT_EQ(m->index(30, 2).data().toInt(), 31); // 31st of the year
}

TEST_F(Principale, UnaSolaFinestraPerTipo) {
    int create = 0;
    auto crea = [&] {
        ++create;
        return new QLabel(QStringLiteral("prova"));
    };
    QMdiSubWindow* prima = finestra->ApriFinestra(QStringLiteral("Prova"), crea);
    QMdiSubWindow* seconda = finestra->ApriFinestra(QStringLiteral("Prova"), crea);
    EXPECT_EQ(prima, seconda);
    EXPECT_EQ(create, 1);
    EXPECT_EQ(finestra->Area()->subWindowList().size(), 1);
    EXPECT_EQ(finestra->Area()->activeSubWindow(), prima);
    // A closed window is created anew at the next press.
    prima->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(finestra->Area()->subWindowList().size(), 0);
    finestra->ApriFinestra(QStringLiteral("Prova"), crea);
    EXPECT_EQ(create, 2);
}

TEST_F(Principale, StessoModuloDueVolte) {
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command10"));
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command10"));
    const auto finestre = finestra->Area()->subWindowList();
    ASSERT_EQ(finestre.size(), 1);
    EXPECT_NE(qobject_cast<FinestraStrovel*>(finestre.front()->widget()), nullptr);
    EXPECT_EQ(finestre.front()->widget()->windowTitle(), QStringLiteral("Strovel"));
}

TEST_F(Principale, AiutoDueVolteUnaSolaFinestra) {
    test::Clicca(finestra->menuWidget(), QStringLiteral("CmDHelp"));
    test::Clicca(finestra->menuWidget(), QStringLiteral("CmDHelp"));
    EXPECT_EQ(test::ContaFinestre<FinestraAiuto>(), 1);
    FinestraAiuto* aiuto = FinestraAiuto::Apri(220);
    EXPECT_EQ(aiuto->Argomento(), 220);
    EXPECT_EQ(aiuto->Titolo(), QStringLiteral("Finestra principale"));
    EXPECT_TRUE(EsisteArgomento(200));
    EXPECT_FALSE(EsisteArgomento(999));
    aiuto->MostraArgomento(200);
    EXPECT_EQ(aiuto->Titolo(), QStringLiteral("Finestra di avvio"));
    aiuto->close();
}

TEST(PrincipaleConArchivio, GrigliaDegliIndiciSegueLeModifiche) {
    QTemporaryDir casa;
    DialoghiScriptati dialoghi;
    Contesto contesto{dialoghi};
    contesto.cartellaProgramma = casa.path();
    contesto.adesso = [] { return test::Adesso(); };
    QStringList aperti;
    contesto.apriIndirizzo = [&](const QString& indirizzo) { aperti << indirizzo; };
    contesto.indirizzoInternet = QStringLiteral("https://sito.esempio");
    const QString percorso = casa.filePath(QStringLiteral("a.mdb"));
    test::CreaArchivio(percorso, test::RigheConsecutive(30));
    ASSERT_TRUE(contesto.impostazioni.ApriDatabaseImpostazioni(casa.path(), nullptr));
    ASSERT_TRUE(contesto.archivioDb.ApriArchivio(percorso, nullptr));
    ASSERT_FALSE(CaricaArchivioAvvio(contesto.archivioDb, 1, *contesto.archivio).has_value());
    auto finestra = std::make_unique<FinestraPrincipale>(contesto);
    finestra->show();
    auto* griglia = test::Trova<QTableView>(finestra.get(), QStringLiteral("GrigliaIndici"));
    ASSERT_EQ(griglia->model()->rowCount(), 30);
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command1"));
    auto* archivio = finestra->findChild<FinestraArchivio*>();
    ASSERT_NE(archivio, nullptr);
    // The archive window reaches the browser through the program's services.
    test::Clicca(archivio, QStringLiteral("CmdCollega"));
    EXPECT_EQ(aperti, QStringList{QStringLiteral("https://sito.esempio")});
    // A draw added, then one deleted: the grid and the labels follow each reload.
    archivio->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"))
        ->setSelectedDate(QDate(2000, 2, 5));
    dialoghi.RispondiSi();
    archivio->SalvaEstrazione();
    EXPECT_EQ(griglia->model()->rowCount(), 31);
    EXPECT_EQ(test::Trova<QLabel>(finestra.get(), QStringLiteral("Lbl_Ev"))->text(),
              QStringLiteral("31"));
    // The mini list, open on the new last draw, follows its deletion.
    test::Clicca(finestra->menuWidget(), QStringLiteral("Command2"));
    auto* mini = finestra->findChild<QWidget*>(QStringLiteral("Estrazioni_minielenco"));
    ASSERT_NE(mini, nullptr);
    EXPECT_EQ(test::Etichetta(mini, QStringLiteral("LblData")), QStringLiteral("05/02/2000"));
    archivio->MostraEstrazione(31);
    dialoghi.RispondiSi();
    archivio->EliminaEstrazione();
    EXPECT_EQ(griglia->model()->rowCount(), 30);
    EXPECT_EQ(test::Etichetta(mini, QStringLiteral("LblData")), QStringLiteral("30/01/2000"));
    finestra.reset();
    contesto.ChiudiTutto();
}

} // namespace
} // namespace strovel
