#include "archive/minielenco_finestra.h"

#include "core/archivio.h"
#include "core/ruote.h"
#include "ui/selettore_intervallo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace strovel {

FinestraMiniElenco::FinestraMiniElenco(const ServiziFinestra& servizi, QWidget* padre)
    : QWidget(padre), archivio_(*servizi.archivio) {
    Dialoghi& dialoghi = *servizi.dialoghi;
    setObjectName(QStringLiteral("Estrazioni_minielenco"));
    setWindowTitle(QStringLiteral("Mini elenco"));
    griglia_ = new QTableWidget(11, 6, this);
    griglia_->setObjectName(QStringLiteral("FgMini"));
    griglia_->setHorizontalHeaderLabels({QStringLiteral("Ruota"), QStringLiteral("1"),
                                         QStringLiteral("2"), QStringLiteral("3"),
                                         QStringLiteral("4"), QStringLiteral("5")});
    griglia_->verticalHeader()->setVisible(false);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->setSelectionMode(QAbstractItemView::NoSelection);
    for (int w = 0; w < 11; ++w) {
        auto* codice = new QTableWidgetItem(
            QString::fromLatin1(SigleRuote[static_cast<std::size_t>(w)].data(), 2));
        codice->setTextAlignment(Qt::AlignCenter);
        griglia_->setItem(w, 0, codice);
        for (int p = 1; p <= 5; ++p) {
            auto* item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignCenter);
            griglia_->setItem(w, p, item);
        }
    }
    griglia_->horizontalHeader()->setDefaultSectionSize(44);
    griglia_->verticalHeader()->setDefaultSectionSize(22);
    griglia_->setMinimumSize(44 * 6 + 8, 22 * 12 + 8);
    connect(griglia_, &QTableWidget::cellClicked, this, &FinestraMiniElenco::Clic);

    ConfigurazioneIntervallo c =
        ConfigurazionePer(FinestraIntervallo::MiniElenco, QStringLiteral("LblPosizione"));
    c.fine.testoComandoIndice = QStringLiteral("Indice");
    c.fine.testoComandoData = QStringLiteral("Data");
    selettore_ = new SelettoreIntervallo(archivio_, dialoghi, c, this);
    selettore_->EtichettaFine()->setVisible(false);
    if (auto* b = selettore_->findChildren<QPushButton*>().value(1)) {
        b->setToolTip(QStringLiteral("Cerca estrazione per data"));
    }
    indice_ = new QLabel(this);
    indice_->setObjectName(QStringLiteral("LblIndice"));
    data_ = new QLabel(this);
    data_->setObjectName(QStringLiteral("LblData"));
    progressivi_ = new QLabel(this);
    progressivi_->setObjectName(QStringLiteral("LblProgressivi"));
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    reset->setAutoDefault(true);
    reset->setObjectName(QStringLiteral("CmdResetta"));
    reset->setToolTip(QStringLiteral("Resetta colorazione"));
    connect(reset, &QPushButton::clicked, this, &FinestraMiniElenco::ResettaColorazione);

    auto* etichette = new QHBoxLayout();
    etichette->addWidget(indice_);
    etichette->addWidget(data_);
    etichette->addWidget(progressivi_, 1);
    etichette->addWidget(reset);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(etichette);
    layout->addWidget(griglia_, 1);
    layout->addWidget(selettore_);
    connect(selettore_, &SelettoreIntervallo::FineCambiata, this,
            &FinestraMiniElenco::MostraEstrazione);
    MostraEstrazione(selettore_->Fine());
}

void FinestraMiniElenco::MostraEstrazione(int posizione) {
    const int i = archivio_.IndiceModello(posizione);
    indice_->setText(QString::number(posizione));
    data_->setText(QString::fromStdString(archivio_.DateEstrazioni[static_cast<std::size_t>(i)]));
    progressivi_->setText(QStringLiteral("PM=%1   PA=%2")
                              .arg(archivio_.ProgressivoMese[static_cast<std::size_t>(i)])
                              .arg(archivio_.ProgressivoAnno[static_cast<std::size_t>(i)]));
    for (int w = 0; w < 11; ++w) {
        for (int p = 1; p <= 5; ++p) {
            QTableWidgetItem* item = griglia_->item(w, p);
            item->setText(QString::number(archivio_.Estratti(i, w, p)));
            item->setBackground(Qt::white);
        }
    }
}

void FinestraMiniElenco::ResettaColorazione() {
    for (int w = 0; w < 11; ++w) {
        griglia_->item(w, 0)->setBackground(palette().button());
        for (int p = 1; p <= 5; ++p) {
            griglia_->item(w, p)->setBackground(Qt::white);
        }
    }
}

void FinestraMiniElenco::Clic(int riga, int colonna) {
    if (colonna < 1 || colonna > 5 || riga < 0 || riga > 10) {
        return;
    }
    QTableWidgetItem* item = griglia_->item(riga, colonna);
    const bool evidenziata = item->background().style() != Qt::NoBrush &&
                             item->background().color() == ColoreEvidenziaMini();
    item->setBackground(evidenziata ? QColor(Qt::white) : ColoreEvidenziaMini());
}

} // namespace strovel
