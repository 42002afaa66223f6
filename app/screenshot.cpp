// strovel-screenshot CARTELLA: opens every window built so far on a demo archive and saves a
// PNG of each in CARTELLA, so anyone can look at what a user sees.

#include "app/contesto.h"
#include "app/finestra_avvio.h"
#include "app/finestra_principale.h"
#include "archive/archivio_finestra.h"
#include "core/demo.h"
#include "cycles/ambi/ambi_cicli_finestra.h"
#include "cycles/modulo2/ciclo2_finestra.h"
#include "cycles/strovel/strovel_finestra.h"
#include "methods/ambata/ambata_finestra.h"
#include "methods/ambo_somme/ambo_somme_finestra.h"
#include "methods/ambo_somme/ambo_somme_gioco.h"
#include "methods/maltese/maltese_finestra.h"
#include "methods/ritardi/ritardi_finestra.h"
#include "methods/ritardi/ritardi_sequenza.h"
#include "methods/spia/cinquina_spiona_finestra.h"
#include "storage/crea_archivio.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/dialogo_filtro.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/traduzioni.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

bool Salva(QWidget* w, const QString& cartella, const QString& nome) {
    w->show();
    for (int k = 0; k < 5; ++k) {
        QApplication::processEvents();
    }
    const QString percorso = QDir(cartella).filePath(nome + QStringLiteral(".png"));
    const bool ok = w->grab().save(percorso);
    std::printf("%s %s\n", ok ? "salvato" : "ERRORE", percorso.toUtf8().constData());
    return ok;
}

/// The main window with what it shows, maximised on the smallest supported screen and on a
/// large one: the screen less a desktop panel and the window's title bar.
bool SalvaDueSchermi(QWidget* w, const QString& cartella, const QString& nome) {
    bool ok = true;
    for (const QSize schermo : {QSize(1366, 700), QSize(1920, 1012)}) {
        w->resize(schermo);
        ok &= Salva(w, cartella, nome + QStringLiteral("_%1").arg(schermo.width()));
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strovel2026"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    strovel::CaricaTraduzioniQt();
    if (argc < 2) {
        std::fprintf(stderr, "Uso: strovel-screenshot CARTELLA\n");
        return 2;
    }
    const QString uscita = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(uscita);

    QTemporaryDir casa;
    const QString demo = casa.filePath(QStringLiteral("ArchivioDemo.mdb"));
    QString errore;
    if (!strovel::CreaArchivioDaRighe(
            demo,
            strovel::GeneraArchivioDemo(strovel::EstrazioniDemoPredefinite,
                                        strovel::SemeDemoPredefinito),
            QDateTime::currentDateTime(), &errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    strovel::DialoghiScriptati dialoghi;
    strovel::Contesto contesto(dialoghi);
    contesto.cartellaProgramma = casa.path();
    contesto.archivioDemo = demo;

    bool ok = true;
    auto* avvio = new strovel::FinestraAvvio(contesto);
    if (!avvio->Avvia(&errore)) {
        std::fprintf(stderr, "%s\n", errore.toUtf8().constData());
        return 1;
    }
    ok &= Salva(avvio, uscita, QStringLiteral("01_avvio"));
    strovel::FinestraPrincipale* principale = nullptr;
    QObject::connect(avvio, &strovel::FinestraAvvio::Caricato,
                     [&] { principale = new strovel::FinestraPrincipale(contesto); });
    // A load refused for its first draw: the reason under the path (the offer is declined).
    contesto.estrazioneIniziale = 0;
    avvio->Procedi();
    ok &= Salva(avvio, uscita, QStringLiteral("01_avvio_motivo"));
    contesto.estrazioneIniziale = 1;
    avvio->Procedi();
    if (principale == nullptr) {
        std::fprintf(stderr, "Caricamento dell'archivio dimostrativo non riuscito\n");
        return 1;
    }
    delete avvio;
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("02_principale"));

    // The Strovel cycle window after a run on every wheel.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    auto* strovel = principale->findChild<strovel::FinestraStrovel*>();
    principale->findChild<QMdiSubWindow*>()->showMaximized();
    for (const char* nome : {"LblSelTuttiR", "LblSelTuttiG"}) {
        strovel->findChild<QPushButton*>(QString::fromLatin1(nome))->click();
    }
    strovel->Elabora();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("04_strovel"));
    strovel->findChild<strovel::GrigliaTabella*>(QStringLiteral("FgY"))->setCurrentCell(0, 1);
    strovel->Statistica();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("05_strovel_statistica"));
    // The archive window, each tab, and the small draw list.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* archivio = principale->findChild<strovel::FinestraArchivio*>();
    for (QMdiSubWindow* f : principale->findChildren<QMdiSubWindow*>()) {
        if (f->widget() == archivio) {
            f->showMaximized();
        }
    }
    const char* schede[] = {"06_archivio_gestione", "07_archivio_elenco", "08_archivio_salvataggi",
                            "09_archivio_aggiornamenti"};
    for (int t = 0; t < 4; ++t) {
        archivio->Schede()->setCurrentIndex(t);
        if (t == 1) {
            archivio->findChild<QComboBox*>(QStringLiteral("ComboAnno"))
                ->setCurrentText(QStringLiteral("2025"));
        }
        if (t == 3) {
            // Check the demo archive against its own last draws, one of them changed.
            QByteArray testo;
            for (int i = contesto.archivio->TotEstrazioni - 5;
                 i <= contesto.archivio->TotEstrazioni; ++i) {
                std::string riga = contesto.archivio->DateEstrazioni[static_cast<std::size_t>(i)];
                for (int w = 0; w < 11; ++w) {
                    char buf[64];
                    std::snprintf(
                        buf, sizeof buf, " %02d-%02d-%02d-%02d-%02d",
                        contesto.archivio->Estratti(i, w, 1), contesto.archivio->Estratti(i, w, 2),
                        contesto.archivio->Estratti(i, w, 3), contesto.archivio->Estratti(i, w, 4),
                        contesto.archivio->Estratti(i, w, 5) % 90 + (i % 2));
                    riga += buf;
                }
                testo += QByteArray::fromStdString(riga) + " pr\r\n";
            }
            testo += "31/12/2025" + testo.mid(10, 168) + "\r\n";
            const QString file = casa.filePath(QStringLiteral("agg.txt"));
            QFile f(file);
            f.open(QIODevice::WriteOnly);
            f.write(testo);
            f.close();
            dialoghi.Rispondi(file);
            archivio->AggiornaDaFile();
        }
        ok &= SalvaDueSchermi(principale, uscita, QString::fromLatin1(schede[t]));
    }
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    for (QMdiSubWindow* f : principale->findChildren<QMdiSubWindow*>()) {
        if (f->widget()->objectName() == QStringLiteral("Estrazioni_minielenco")) {
            f->showNormal();
            f->resize(420, 420);
            ok &= Salva(f, uscita, QStringLiteral("10_minielenco"));
        }
    }

    // The dynamic ambata on spy 27, every wheel and position, two references, then MIGLIORI.
    auto massimizza = [&](QWidget* w) {
        for (QMdiSubWindow* f : principale->findChildren<QMdiSubWindow*>()) {
            if (f->widget() == w) {
                f->showMaximized();
            }
        }
    };
    auto tutte = [](QWidget* w) {
        w->findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
        auto* posizioni = w->findChild<strovel::GrigliaSelezione*>(QStringLiteral("Fgp"));
        for (int p = 0; p < 5; ++p) {
            posizioni->ImpostaVoce(p, true);
        }
    };
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    auto* ambata = principale->findChild<strovel::FinestraAmbataDinamica*>();
    massimizza(ambata);
    ambata->findChild<QLineEdit*>(QStringLiteral("TxtNumero"))->setText(QStringLiteral("27"));
    tutte(ambata);
    ambata->ImpostaMatrice(2);
    ambata->Rilevazione();
    ambata->Configura();
    ambata->Elabora();
    ambata->findChild<QTableWidget*>(QStringLiteral("FgH"))->selectRow(0);
    ambata->MiglioriRiferimenti();
    ambata->findChild<strovel::GrigliaTabella*>(QStringLiteral("Fg1"))->selectRow(1);
    ambata->VisualizzaEvoluzione();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("11_ambata_dinamica"));
    // The spy quintet on Bari, played on Bari, Cagliari and Firenze, its first number verified.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
    auto* cinquina = principale->findChild<strovel::FinestraCinquinaSpiona*>();
    massimizza(cinquina);
    tutte(cinquina);
    cinquina->findChild<QComboBox*>(QStringLiteral("ComboPres"))
        ->setCurrentText(QStringLiteral("30"));
    auto* rilevazione = cinquina->findChild<strovel::GrigliaSelezione*>(QStringLiteral("FgR"));
    rilevazione->Deseleziona();
    rilevazione->ImpostaVoce(0, true);
    cinquina->Elabora();
    cinquina->VerificaRiga(0);
    cinquina->NumeriCompagni();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("12_cinquina_spiona"));

    // The second cycle module: the distribution with a group chosen, then its ambi and pairings.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    auto* ciclo2 = principale->findChild<strovel::FinestraCiclo2*>();
    massimizza(ciclo2);
    ciclo2->findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
    ciclo2->RilevaCicli_();
    ciclo2->ScegliGruppo(0, 5);
    ciclo2->findChild<QTabWidget*>(QStringLiteral("SchedeFormazioni"))->setCurrentIndex(1);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("13_ciclo2_distribuzione"));
    auto* fgH = ciclo2->findChild<QTableWidget*>(QStringLiteral("FgH"));
    const int previsione[] = {5, 17, 44, 61, 80};
    for (int c = 0; c < 5; ++c) {
        fgH->setItem(0, 1 + c, new QTableWidgetItem(QString::number(previsione[c])));
    }
    fgH->setItem(0, 11, new QTableWidgetItem(QStringLiteral("2")));
    ciclo2->ImpostaPartecipa(0, true);
    ciclo2->Elabora();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("14_ciclo2_elabora"));
    ciclo2->Ambi();
    ciclo2->Abbinamenti_();
    ciclo2->findChild<QTabWidget*>(QStringLiteral("SchedeRisultati"))->setCurrentIndex(2);
    ciclo2->findChild<QTabWidget*>(QStringLiteral("SchedeAmbate"))->setCurrentIndex(0);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("15_ciclo2_abbinamenti"));
    // The presences per cycle of the number on FgB1's seventh row.
    ciclo2->findChild<strovel::GrigliaTabella*>(QStringLiteral("FgB1"))->setCurrentCell(6, 0);
    if (auto* grafico = ciclo2->GraficoPresenze()) {
        ok &= Salva(grafico, uscita, QStringLiteral("26_grafico_presenze"));
        grafico->close();
    }
    // "Giorni e mesi": the dialog, then the window opened again on the Saturdays of autumn.
    {
        strovel::FiltroCalendario f;
        f.giorni[5] = true;
        f.mesi[8] = f.mesi[9] = f.mesi[10] = true;
        strovel::DialogoFiltro dialogo(f);
        ok &= Salva(&dialogo, uscita, QStringLiteral("27_giorni_e_mesi"));
        dialoghi.Rispondi(QStringLiteral("sab|set,ott,nov"));
        principale->GiorniEMesi();
        auto* filtrata = principale->findChild<strovel::FinestraCiclo2*>();
        massimizza(filtrata);
        filtrata->findChild<QPushButton*>(QStringLiteral("LblSelTutti"))->click();
        filtrata->RilevaCicli_();
        ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("28_ciclo2_sabati_autunno"));
    }

    // The ambo cycles of the numbers 1..20 by CC, with the best pairs of ambi, then the second
    // tab on the first rows.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command7"))->click();
    auto* ambi = principale->findChild<strovel::FinestraAmbiCicli*>();
    massimizza(ambi);
    auto* fg90 = ambi->findChild<strovel::GrigliaSelezione*>(QStringLiteral("Fg90"));
    for (int n = 1; n <= 20; ++n) {
        fg90->ImpostaVoce((n - 1) * 2, true);
    }
    ambi->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    ambi->Elabora();
    ambi->Gruppi(2);
    ambi->MostraUscite(0);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("16_ambi_cicli"));
    ambi->ElaboraSecondo();
    ambi->GruppiSecondo(3);
    ambi->Capogioco_();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("17_ambi_cicli_verifica"));

    // The delay sequences of the last 360 draws on Bari, the first five delays summed and the
    // growing delays marked.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    auto* ritardi = principale->findChild<strovel::FinestraRitardiSequenza*>();
    massimizza(ritardi);
    ritardi->Periodo();
    ritardi->ClicColonna(11);
    ritardi->Evidenzia(strovel::Andamento::Crescenti);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("18_sequenza_ritardi"));
    // The charts of the delay window: the delays of the number on the current row, and every
    // number's presences.
    ritardi->findChild<strovel::GrigliaTabella*>(QStringLiteral("Fg2"))->setCurrentCell(26, 0);
    if (auto* grafico = ritardi->GraficoRitardi()) {
        ok &= Salva(grafico, uscita, QStringLiteral("24_grafico_ritardi"));
        grafico->close();
    }
    if (auto* grafico = ritardi->GraficoFrequenze()) {
        ok &= Salva(grafico, uscita, QStringLiteral("25_grafico_frequenze"));
        grafico->close();
    }

    // The ambo by sums and differences: version 2 over the last 500 draws, then the options tab.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command8"))->click();
    auto* ambo = principale->findChild<strovel::FinestraAmboSomme*>();
    massimizza(ambo);
    ambo->Esegui(strovel::VersioneAmbo::Versione2);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("19_metodo_valdimo"));
    auto* schedeAmbo = ambo->findChild<QTabWidget*>(QStringLiteral("SchedeAmbo"));
    schedeAmbo->setCurrentIndex(1);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("20_metodo_valdimo_classi"));
    schedeAmbo->setCurrentIndex(2);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("21_metodo_valdimo_opzioni"));

    // The Maltese square: the first tab with a case's square, then the first cinquina tab with
    // its decimal working.
    principale->menuWidget()->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    auto* maltese = principale->findChild<strovel::FinestraQuadratoMaltese*>();
    massimizza(maltese);
    maltese->Elabora();
    maltese->MostraQuadrato(2);
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("22_quadrato_maltese"));
    maltese->findChild<QTabWidget*>(QStringLiteral("SchedeMaltese"))->setCurrentIndex(1);
    maltese->ElaboraCinquina(0);
    maltese->VisualizzaDecimali();
    ok &= SalvaDueSchermi(principale, uscita, QStringLiteral("23_quadrato_maltese_cinquina"));

    auto* aiuto = strovel::FinestraAiuto::Apri(220);
    ok &= Salva(aiuto, uscita, QStringLiteral("03_aiuto"));
    delete principale;
    return ok ? 0 : 1;
}
