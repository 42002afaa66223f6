#include "methods/ritardi/ritardi_finestra.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "methods/ritardi/ritardi_sequenza.h"
#include "ui/dialoghi.h"
#include "ui/divisore_pannelli.h"
#include "ui/grafico.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/pulsanti.h"
#include "ui/selettore_intervallo.h"
#include "ui/selezioni_metodo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace strovel {

FinestraRitardiSequenza::FinestraRitardiSequenza(const ServiziFinestra& servizi, QWidget* padre)
    : QWidget(padre), archivio_(*servizi.archivio), dialoghi_(*servizi.dialoghi), pb1_(servizi.pb1),
      fg2Dati_(IntestazioneSequenze) {
    setObjectName(QStringLiteral("RitardiSequenza"));
    setWindowTitle(QStringLiteral("Sequenza dei ritardi"));

    auto* sinistra = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);

    auto* intervallo = new QGroupBox(QStringLiteral("Intervallo di analisi"), sinistra);
    auto* gi = new QGridLayout(intervallo);
    selettore_ = new SelettoreIntervallo(archivio_, dialoghi_,
                                         ConfigurazionePer(FinestraIntervallo::SequenzeRitardi,
                                                           QStringLiteral("LblFine"),
                                                           QStringLiteral("LblInizio")),
                                         intervallo);
    gi->addWidget(new QLabel(QStringLiteral("Inizio e fine"), intervallo), 0, 0);
    // The draws in the range beside its title, as the cycle windows show the later draws.
    gi->addWidget(CreaEtichettaConteggio(selettore_, intervallo), 0, 1, Qt::AlignRight);
    gi->addWidget(selettore_, 1, 0, 1, 2);
    txtUltime_ = new QLineEdit(intervallo);
    txtUltime_->setObjectName(QStringLiteral("Txt_Ultime"));
    txtUltime_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), txtUltime_));
    txtUltime_->setMaximumWidth(70);
    auto* ultime = CreaPulsante(intervallo, "CmdUltime",
                                QStringLiteral("Imposta le ultime... N.. estrazioni"));
    connect(ultime, &QPushButton::clicked, this, &FinestraRitardiSequenza::ImpostaUltime);
    connect(txtUltime_, &QLineEdit::returnPressed, ultime, &QPushButton::click);
    gi->addWidget(txtUltime_, 2, 0);
    gi->addWidget(ultime, 2, 1);
    colonna->addWidget(intervallo);

    colonna->addWidget(CreaRuoteEPosizioni(sinistra, 11, fgR_, fgp_));
    fgR_->ImpostaVoce(0, true); // only Bari at opening

    auto* comandi = new QGroupBox(QStringLiteral("Comandi"), sinistra);
    auto* gc = new QGridLayout(comandi);
    txtPres_ = new QLineEdit(comandi);
    txtPres_->setObjectName(QStringLiteral("TxtPres"));
    txtPres_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), txtPres_));
    txtPres_->setToolTip(QStringLiteral("Presenze da cercare (vuoto: fino alla prima estrazione)"));
    txtPres_->setMaximumWidth(70);
    auto* presenze = CreaPulsante(comandi, "SequenzaPresenze", QStringLiteral("PRESENZE"));
    auto* periodo = CreaPulsante(comandi, "SequenzaPeriodo", QStringLiteral("PERIODO"));
    connect(presenze, &QPushButton::clicked, this, &FinestraRitardiSequenza::Presenze);
    connect(periodo, &QPushButton::clicked, this, &FinestraRitardiSequenza::Periodo);
    gc->addWidget(new QLabel(QStringLiteral("Presenze"), comandi), 0, 0);
    gc->addWidget(txtPres_, 0, 1);
    gc->addWidget(presenze, 1, 0);
    gc->addWidget(periodo, 1, 1);
    const std::tuple<const char*, const char*, Andamento> andamenti[] = {
        {"LblDecrescenti", "Evidenzia decrescenti", Andamento::Decrescenti},
        {"LblUguali", "Evidenzia uguali", Andamento::Uguali},
        {"LblCrescenti", "Evidenzia crescenti", Andamento::Crescenti}};
    int riga = 2;
    for (const auto& [nome, testo, andamento] : andamenti) {
        auto* b = CreaPulsante(comandi, nome, QString::fromUtf8(testo));
        connect(b, &QPushButton::clicked, this, [this, a = andamento] { Evidenzia(a); });
        gc->addWidget(b, riga++, 0, 1, 2);
    }
    auto* graficoRitardi =
        CreaPulsante(comandi, "CmdGraficoRitardi", QStringLiteral("GRAFICO RITARDI"),
                     QStringLiteral("La storia del ritardo del numero scelto"));
    auto* graficoFrequenze =
        CreaPulsante(comandi, "CmdGraficoFrequenze", QStringLiteral("GRAFICO FREQUENZE"),
                     QStringLiteral("Le uscite di ogni numero"));
    connect(graficoRitardi, &QPushButton::clicked, this, &FinestraRitardiSequenza::GraficoRitardi);
    connect(graficoFrequenze, &QPushButton::clicked, this,
            &FinestraRitardiSequenza::GraficoFrequenze);
    gc->addWidget(graficoRitardi, riga, 0);
    gc->addWidget(graficoFrequenze, riga++, 1);
    gc->addLayout(PulsantiAiuto(comandi, {{"CmDHelp", 360}}), riga, 0, 1, 2);
    colonna->addWidget(comandi);
    colonna->addStretch(1);

    fg2_ = CreaGrigliaRisultati(this, QStringLiteral("Fg2"), IntestazioneSequenze);
    fg2_->setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(fg2_, &GrigliaTabella::cellClicked, this, [this](int, int c) { ClicColonna(c); });
    connect(fg2_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FinestraRitardiSequenza::ClicColonna);

    auto* divisore = new DivisorePannelli(sinistra, fg2_, this);
    divisore->setObjectName(QStringLiteral("DivisoreRitardi"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(divisore);
    resize(1180, 760);
}

ParametriSequenza FinestraRitardiSequenza::LeggiParametri() const {
    ParametriSequenza p;
    p.inizio = selettore_->Inizio();
    p.fine = selettore_->Fine();
    p.ruote = RuoteScelte(fgR_);
    p.posizioni = PosizioniScelte(fgp_);
    return p;
}

int FinestraRitardiSequenza::LeggiK() const {
    // The value of the leading digits, as a number typed with a decimal comma reads.
    const QString testo = txtPres_->text().section(QLatin1Char(','), 0, 0);
    bool ok = false;
    const int k = testo.left(6).toInt(&ok);
    return ok ? k : 0;
}

void FinestraRitardiSequenza::Mostra() {
    MostraTabella(fg2_, fg2Dati_);
}

void FinestraRitardiSequenza::Presenze() {
    fg2Dati_ = TabellaSequenze(SequenzaPresenze(archivio_, LeggiParametri(), LeggiK(), pb1_));
    Mostra();
}

void FinestraRitardiSequenza::Periodo() {
    fg2Dati_ = TabellaSequenze(SequenzaPeriodo(archivio_, LeggiParametri(), pb1_));
    Mostra();
}

void FinestraRitardiSequenza::Evidenzia(Andamento andamento) {
    EvidenziaAndamento(fg2Dati_, andamento);
    Mostra();
}

void FinestraRitardiSequenza::ClicColonna(int colonna) {
    if (SommaRitardi(fg2Dati_, colonna)) {
        Mostra();
    }
}

SceltaGrafico FinestraRitardiSequenza::SceltaPerGrafico() const {
    const ParametriSequenza p = LeggiParametri();
    SceltaGrafico s;
    s.ruote = p.ruote;
    s.posizioni = p.posizioni;
    s.inizio = p.inizio;
    s.fine = p.fine;
    return s;
}

void FinestraRitardiSequenza::Segui(FinestraGrafico* grafico) {
    // The chart follows the range and the wheels as the user changes them.
    const QPointer<FinestraGrafico> g(grafico);
    const auto aggiorna = [g] {
        if (g) {
            g->Aggiorna();
        }
    };
    connect(selettore_, &SelettoreIntervallo::FineCambiata, grafico, aggiorna);
    connect(selettore_, &SelettoreIntervallo::InizioCambiato, grafico, aggiorna);
    connect(fgR_, &GrigliaSelezione::SelezioneCambiata, grafico, aggiorna);
    connect(fgp_, &GrigliaSelezione::SelezioneCambiata, grafico, aggiorna);
}

FinestraGrafico* FinestraRitardiSequenza::GraficoRitardi() {
    const int riga = fg2_->currentRow();
    const int numero = fg2_->Testo(riga, 0).toInt();
    if (numero < 1 || numero > 90) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Avviso"),
                            QStringLiteral("Selezionare un numero nella griglia."));
        return nullptr;
    }
    auto* g = ApriGraficoRitardi(this, archivio_, numero, [this] { return SceltaPerGrafico(); });
    Segui(g);
    return g;
}

FinestraGrafico* FinestraRitardiSequenza::GraficoFrequenze() {
    auto* g = ApriGraficoFrequenze(this, archivio_, [this] { return SceltaPerGrafico(); });
    Segui(g);
    return g;
}

void FinestraRitardiSequenza::ImpostaUltime() {
    bool ok = false;
    const int n = txtUltime_->text().toInt(&ok);
    const int massimo = MassimoUltime(selettore_->Fine());
    // A number the range cannot take is refused with the bounds it can, not silently ignored.
    if (!ok || n < 1 || n > massimo) {
        dialoghi_.Messaggio(
            this, Icona::Avviso, QStringLiteral("Imposta le ultime estrazioni"),
            massimo < 1 ? QStringLiteral("Attenzione ! prima della fine scelta ci sono meno di 102 "
                                         "estrazioni: spostare la fine più avanti.")
                        : QStringLiteral("Attenzione ! inserire un numero di estrazioni da 1 a %1 "
                                         "(l'inizio deve restare dopo le prime 100 estrazioni "
                                         "prima della fine).")
                              .arg(massimo));
        return;
    }
    selettore_->ImpostaInizio(InizioUltime(selettore_->Fine(), n));
}

} // namespace strovel
