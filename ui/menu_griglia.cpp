#include "ui/menu_griglia.h"

#include "core/tabella.h"
#include "ui/dialoghi.h"
#include "ui/griglia.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPixmap>
#include <QSaveFile>
#include <QTabWidget>

namespace strovel {

namespace {

Dialoghi* dialoghiGriglie = nullptr;
std::function<void(QWidget*, int)> graficoRitardi;

std::optional<QString> ChiediFile(QWidget* padre, const QString& nome, const QString& estensione,
                                  const QString& filtro) {
    if (dialoghiGriglie == nullptr) {
        return std::nullopt;
    }
    RichiestaFile r;
    r.cartella = QDir::homePath();
    r.nomeFile = nome + QLatin1Char('.') + estensione;
    r.filtro = filtro;
    r.estensione = estensione;
    return dialoghiGriglie->SalvaFile(padre, r);
}

/// Letters and digits kept, every other run of characters one "_": a name any file system takes.
QString PerNomeFile(const QString& testo) {
    QString nome;
    for (const QChar c : testo) {
        if (c.isLetterOrNumber()) {
            nome += c;
        } else if (!nome.isEmpty() && !nome.endsWith(QLatin1Char('_'))) {
            nome += QLatin1Char('_');
        }
    }
    while (nome.endsWith(QLatin1Char('_'))) {
        nome.chop(1);
    }
    return nome;
}

/// The innermost tab that holds `w`, by its caption; empty when there is none.
QString SchedaDi(const QWidget* w) {
    for (const QWidget* figlio = w; figlio != nullptr; figlio = figlio->parentWidget()) {
        const QWidget* pila = figlio->parentWidget();
        if (auto* schede =
                pila != nullptr ? qobject_cast<QTabWidget*>(pila->parentWidget()) : nullptr) {
            const int i = schede->indexOf(const_cast<QWidget*>(figlio));
            if (i >= 0) {
                return schede->tabText(i);
            }
        }
    }
    return {};
}

/// The caption of the window that holds `w` (its own, when it is a window); empty when none.
QString DidascaliaFinestra(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (!w->windowTitle().isEmpty()) {
            return w->windowTitle();
        }
    }
    return {};
}

void NonScritto(QWidget* padre, const QString& percorso) {
    dialoghiGriglie->Messaggio(
        padre, Icona::Avviso, QStringLiteral("Avviso"),
        QStringLiteral("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(percorso)));
}

} // namespace

void ImpostaDialoghiGriglie(Dialoghi* dialoghi) {
    dialoghiGriglie = dialoghi;
}

void ImpostaGraficoRitardi(std::function<void(QWidget* origine, int numero)> apri) {
    graficoRitardi = std::move(apri);
}

Tabella TabellaDellaGriglia(const GrigliaTabella* griglia) {
    const Tabella& dati = griglia->Dati();
    Tabella t;
    std::vector<std::size_t> colonne;
    for (int c = 0; c < dati.Colonne(); ++c) {
        if (!griglia->isColumnHidden(c)) {
            colonne.push_back(static_cast<std::size_t>(c));
            t.intestazioni.push_back(dati.intestazioni[static_cast<std::size_t>(c)]);
        }
    }
    for (const auto& riga : dati.righe) {
        auto& nuova = t.AggiungiRiga();
        for (std::size_t i = 0; i < colonne.size(); ++i) {
            if (colonne[i] < riga.size()) {
                nuova[i].testo = riga[colonne[i]].testo;
            }
        }
    }
    return t;
}

void CopiaGriglia(const GrigliaTabella* griglia) {
    QApplication::clipboard()->setText(QString::fromStdString(TabellaDellaGriglia(griglia).Tsv()));
}

QString NomeFileProposto(const QWidget* w) {
    QString parte = w->accessibleName();
    if (parte.isEmpty() && !w->isWindow()) {
        parte = SchedaDi(w);
    }
    if (parte.isEmpty() && !w->isWindow()) {
        parte = w->objectName();
    }
    QStringList parti;
    for (const QString& p : {DidascaliaFinestra(w), parte}) {
        const QString nome = PerNomeFile(p);
        if (!nome.isEmpty() && !parti.contains(nome)) {
            parti << nome;
        }
    }
    parti << QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    return parti.join(QLatin1Char('_'));
}

bool SalvaGrigliaCsv(GrigliaTabella* griglia) {
    const auto percorso = ChiediFile(griglia, NomeFileProposto(griglia), QStringLiteral("csv"),
                                     QStringLiteral("File CSV (*.csv)"));
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

bool SalvaImmagine(QWidget* widget, const QString& nome) {
    const auto percorso =
        ChiediFile(widget, nome, QStringLiteral("png"), QStringLiteral("Immagine PNG (*.png)"));
    if (!percorso) {
        return false;
    }
    if (!widget->grab().save(*percorso, "PNG")) {
        NonScritto(widget, *percorso);
        return false;
    }
    return true;
}

bool SalvaGrigliaImmagine(GrigliaTabella* griglia) {
    return SalvaImmagine(griglia, NomeFileProposto(griglia));
}

void AggiungiMenuGriglia(GrigliaTabella* griglia) {
    const std::pair<QString, void (*)(GrigliaTabella*)> voci[] = {
        {QStringLiteral("Copia tabella"), [](GrigliaTabella* g) { CopiaGriglia(g); }},
        {QStringLiteral("Salva come CSV…"), [](GrigliaTabella* g) { SalvaGrigliaCsv(g); }},
        {QStringLiteral("Salva come immagine…"),
         [](GrigliaTabella* g) { SalvaGrigliaImmagine(g); }},
    };
    for (const auto& [testo, azione] : voci) {
        auto* a = new QAction(testo, griglia);
        QObject::connect(a, &QAction::triggered, griglia, [griglia, fa = azione] { fa(griglia); });
        griglia->addAction(a);
    }
    griglia->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(griglia, &QWidget::customContextMenuRequested, griglia,
                     [griglia](const QPoint& punto) {
                         QMenu* menu = MenuGriglia(griglia, punto);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(griglia->viewport()->mapToGlobal(punto));
                     });
}

QMenu* MenuGriglia(GrigliaTabella* griglia, const QPoint& punto) {
    auto* menu = new QMenu(griglia);
    menu->addActions(griglia->actions());
    const QModelIndex cella = griglia->indexAt(punto);
    bool numero = false;
    const int n = cella.isValid() ? cella.data().toString().trimmed().toInt(&numero) : 0;
    if (numero && n >= 1 && n <= 90 && graficoRitardi) {
        menu->addSeparator();
        QObject::connect(menu->addAction(QStringLiteral("Grafico dei ritardi di %1").arg(n)),
                         &QAction::triggered, griglia, [griglia, n] {
                             if (graficoRitardi) {
                                 graficoRitardi(griglia, n);
                             }
                         });
    }
    return menu;
}

} // namespace strovel
