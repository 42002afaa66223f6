#include "ui/menu_griglia.h"

#include "core/tabella.h"
#include "ui/dialoghi.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPixmap>
#include <QSaveFile>
#include <QTableWidget>

namespace strovel {

namespace {

Dialoghi* dialoghiGriglie = nullptr;

std::optional<QString> ChiediFile(QTableWidget* griglia, const QString& estensione,
                                  const QString& filtro) {
    if (dialoghiGriglie == nullptr) {
        return std::nullopt;
    }
    RichiestaFile r;
    r.cartella = QDir::homePath();
    r.nomeFile = griglia->objectName() + QLatin1Char('.') + estensione;
    r.filtro = filtro;
    r.estensione = estensione;
    return dialoghiGriglie->SalvaFile(griglia, r);
}

void NonScritto(QTableWidget* griglia, const QString& percorso) {
    dialoghiGriglie->Messaggio(
        griglia, Icona::Avviso, QStringLiteral("Avviso"),
        QStringLiteral("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(percorso)));
}

} // namespace

void ImpostaDialoghiGriglie(Dialoghi* dialoghi) {
    dialoghiGriglie = dialoghi;
}

Tabella TabellaDellaGriglia(const QTableWidget* griglia) {
    Tabella t;
    std::vector<int> colonne;
    for (int c = 0; c < griglia->columnCount(); ++c) {
        if (griglia->isColumnHidden(c)) {
            continue;
        }
        colonne.push_back(c);
        const QTableWidgetItem* titolo = griglia->horizontalHeaderItem(c);
        t.intestazioni.push_back(titolo != nullptr ? titolo->text().toStdString() : std::string());
    }
    for (int r = 0; r < griglia->rowCount(); ++r) {
        auto& riga = t.AggiungiRiga();
        for (std::size_t i = 0; i < colonne.size(); ++i) {
            const QTableWidgetItem* cella = griglia->item(r, colonne[i]);
            riga[i].testo = cella != nullptr ? cella->text().toStdString() : std::string();
        }
    }
    return t;
}

void CopiaGriglia(const QTableWidget* griglia) {
    QApplication::clipboard()->setText(QString::fromStdString(TabellaDellaGriglia(griglia).Tsv()));
}

bool SalvaGrigliaCsv(QTableWidget* griglia) {
    const auto percorso =
        ChiediFile(griglia, QStringLiteral("csv"), QStringLiteral("File CSV (*.csv)"));
    if (!percorso) {
        return false;
    }
    QSaveFile file(*percorso);
    const std::string testo = TabellaDellaGriglia(griglia).Csv();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(testo.data(), static_cast<qint64>(testo.size())) !=
            static_cast<qint64>(testo.size()) ||
        !file.commit()) {
        NonScritto(griglia, *percorso);
        return false;
    }
    return true;
}

bool SalvaGrigliaImmagine(QTableWidget* griglia) {
    const auto percorso =
        ChiediFile(griglia, QStringLiteral("png"), QStringLiteral("Immagine PNG (*.png)"));
    if (!percorso) {
        return false;
    }
    if (!griglia->grab().save(*percorso, "PNG")) {
        NonScritto(griglia, *percorso);
        return false;
    }
    return true;
}

void AggiungiMenuGriglia(QTableWidget* griglia) {
    const std::pair<QString, void (*)(QTableWidget*)> voci[] = {
        {QStringLiteral("Copia tabella"), [](QTableWidget* g) { CopiaGriglia(g); }},
        {QStringLiteral("Salva come CSV…"), [](QTableWidget* g) { SalvaGrigliaCsv(g); }},
        {QStringLiteral("Salva come immagine…"), [](QTableWidget* g) { SalvaGrigliaImmagine(g); }},
    };
    for (const auto& [testo, azione] : voci) {
        auto* a = new QAction(testo, griglia);
        QObject::connect(a, &QAction::triggered, griglia, [griglia, fa = azione] { fa(griglia); });
        griglia->addAction(a);
    }
    griglia->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace strovel
