#include "ui/finestra_analisi.h"

#include "ui/divisore_pannelli.h"
#include "ui/pulsanti.h"

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

} // namespace strovel
