#include "ui/finestra_analisi.h"

#include "ui/divisore_pannelli.h"
#include "ui/griglia.h"
#include "ui/menu_griglia.h"
#include "ui/pulsanti.h"
#include "ui/selezioni_metodo.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace strovel {

FinestraAnalisi::FinestraAnalisi(const ServiziFinestra& servizi, const char* nome,
                                 const QString& titolo, QWidget* padre)
    : QWidget(padre), archivio_(*servizi.archivio), dialoghi_(*servizi.dialoghi) {
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(titolo);
}

void FinestraAnalisi::Componi(QWidget* controlli, QWidget* risultati, const char* nomeDivisore,
                              QSize dimensione) {
    auto* divisore = new DivisorePannelli(controlli, risultati, this);
    if (nomeDivisore != nullptr) {
        divisore->setObjectName(QString::fromLatin1(nomeDivisore));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(divisore);
    resize(dimensione);
}

QLabel* FinestraAnalisi::CreaNotaCaso(QWidget* padre, const QString& nome,
                                      const QString& suggerimento) {
    auto* nota = new QLabel(padre);
    nota->setObjectName(nome);
    nota->setWordWrap(true);
    nota->setToolTip(suggerimento);
    return nota;
}

QPushButton* FinestraAnalisi::CreaPulsanteFuoriCampione(QWidget* padre,
                                                        const QString& suggerimento) {
    auto* pulsante = CreaPulsante(padre, "CmdFuoriCampione",
                                  QStringLiteral("Verifica fuori campione"), suggerimento);
    connect(pulsante, &QPushButton::clicked, this, [this] { VerificaFuoriCampione(); });
    return pulsante;
}

QPushButton* FinestraAnalisi::CreaPulsanteProgressiva(QWidget* padre, const QString& suggerimento,
                                                      std::function<void()> verifica) {
    auto* pulsante =
        CreaPulsante(padre, "CmdProgressiva", QStringLiteral("Verifica progressiva"), suggerimento);
    connect(pulsante, &QPushButton::clicked, this, std::move(verifica));
    return pulsante;
}

bool FinestraAnalisi::ChiediProgressiva(int passoNaturale, int& da, int& passo) {
    const QString titolo = QStringLiteral("Verifica progressiva");
    const int ultima = archivio_.TotEstrazioni;
    if (ultima < 1) {
        return false;
    }
    const auto inizio =
        ChiediIntero(dialoghi_, this,
                     {titolo, QStringLiteral("Dall'estrazione (indice, da 1 a %1):").arg(ultima),
                      QStringLiteral("Indice"), 1, ultima, UnAnnoPrima(archivio_, ultima)});
    if (!inizio) {
        return false;
    }
    const auto ogni = ChiediIntero(
        dialoghi_, this,
        {titolo, QStringLiteral("Una scelta ogni quante estrazioni (da 1 a %1):").arg(ultima),
         QStringLiteral("Passo"), 1, ultima, passoNaturale});
    if (!ogni) {
        return false;
    }
    da = *inizio;
    passo = *ogni;
    return true;
}

void FinestraAnalisi::MostraProgressiva(const EsitoProgressivo& p) {
    const QString testo = QString::fromStdString(TestoProgressiva(p));
    if (p.passi.empty()) {
        dialoghi_.Messaggio(this, Icona::Informazione, QStringLiteral("Verifica progressiva"),
                            testo);
        return;
    }
    // A window of its own, so the player can keep it beside the analysis and compare runs.
    auto* finestra = new QDialog(this);
    finestra->setObjectName(QStringLiteral("Progressiva"));
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QStringLiteral("Verifica progressiva - %1").arg(windowTitle()));
    auto* layout = new QVBoxLayout(finestra);
    auto* riepilogo = new QLabel(testo, finestra);
    riepilogo->setObjectName(QStringLiteral("LblProgressiva"));
    riepilogo->setWordWrap(true);
    riepilogo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* griglia =
        CreaGrigliaRisultati(finestra, QStringLiteral("FgProgressiva"), IntestazioneProgressiva);
    griglia->setAccessibleName(QStringLiteral("Le scelte della verifica progressiva"));
    MostraTabella(griglia, TabellaProgressiva(p));
    layout->addWidget(riepilogo);
    layout->addWidget(griglia, 1);
    finestra->resize(520, 480);
    finestra->show();
}

} // namespace strovel
