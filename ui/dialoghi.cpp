#include "ui/dialoghi.h"

#include "ui/dialogo_filtro.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>

namespace strovel {

namespace {

QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Avviso:
        return QMessageBox::Warning;
    case Icona::Critica:
        return QMessageBox::Critical;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

/// "Description (*.ext)" as a Qt filter; a description with no pattern of its own still
/// lists the files of its extension.
QString FiltroQt(const RichiestaFile& r) {
    QString filtro = r.filtro;
    if (!filtro.contains(QLatin1Char('*')) && !r.estensione.isEmpty()) {
        filtro += QStringLiteral(" (*.") + r.estensione + QLatin1Char(')');
    }
    return filtro;
}

} // namespace

/// Hides the files of `escludi` from a file dialog's list.
class SenzaEsclusi : public QSortFilterProxyModel {
public:
    SenzaEsclusi(QStringList escludi, QObject* padre)
        : QSortFilterProxyModel(padre), escludi_(std::move(escludi)) {}

protected:
    bool filterAcceptsRow(int riga, const QModelIndex& genitore) const override {
        const QString nome = sourceModel()->index(riga, 0, genitore).data().toString();
        return !escludi_.contains(nome, Qt::CaseInsensitive);
    }

private:
    QStringList escludi_;
};

QSortFilterProxyModel* ModelloSenzaEsclusi(const QStringList& escludi, QObject* padre) {
    return new SenzaEsclusi(escludi, padre);
}

namespace {

void Prepara(QFileDialog& dialogo, const RichiestaFile& r) {
    if (!r.escludi.isEmpty()) {
        // The platform's own dialog cannot hide single files; Qt's can.
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setProxyModel(ModelloSenzaEsclusi(r.escludi, &dialogo));
    }
    dialogo.setDirectory(r.cartella.isEmpty() ? QDir::homePath() : r.cartella);
    dialogo.setNameFilter(FiltroQt(r));
    dialogo.setDefaultSuffix(r.estensione);
    if (!r.nomeFile.isEmpty() && !r.nomeFile.contains(QLatin1Char('*'))) {
        dialogo.selectFile(r.nomeFile);
    }
}

} // namespace

void DialoghiQt::Messaggio(QWidget* padre, Icona icona, const QString& titolo,
                           const QString& testo) {
    QMessageBox box(IconaQt(icona), titolo, testo, QMessageBox::Ok, padre);
    box.exec();
}

bool DialoghiQt::Domanda(QWidget* padre, const QString& titolo, const QString& testo,
                         Predefinito predefinito) {
    QMessageBox box(QMessageBox::Question, titolo, testo, QMessageBox::NoButton, padre);
    QPushButton* si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(predefinito == Predefinito::Si ? si : no);
    box.exec();
    return box.clickedButton() == si;
}

std::optional<QString> DialoghiQt::Input(QWidget* padre, const QString& titolo,
                                         const QString& prompt, const QString& proposta) {
    bool ok = false;
    const QString testo =
        QInputDialog::getText(padre, titolo, prompt, QLineEdit::Normal, proposta, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return testo;
}

std::optional<QString> DialoghiQt::ApriFile(QWidget* padre, const RichiestaFile& richiesta) {
    QFileDialog dialogo(padre);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    Prepara(dialogo, richiesta);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialogo.selectedFiles().first();
}

std::optional<QString> DialoghiQt::SalvaFile(QWidget* padre, const RichiestaFile& richiesta) {
    QFileDialog dialogo(padre);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    Prepara(dialogo, richiesta);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialogo.selectedFiles().first();
}

std::optional<FiltroCalendario> DialoghiQt::GiorniEMesi(QWidget* padre,
                                                        const FiltroCalendario& attuale) {
    DialogoFiltro dialogo(attuale, padre);
    if (dialogo.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialogo.Filtro();
}

std::vector<DialoghiScriptati::Registrato> DialoghiScriptati::Messaggi() const {
    std::vector<Registrato> messaggi;
    for (const Registrato& r : mostrati_) {
        if (r.tipo == Tipo::Messaggio) {
            messaggi.push_back(r);
        }
    }
    return messaggi;
}

std::optional<QString> DialoghiScriptati::Prossima() {
    if (risposte_.empty()) {
        return std::nullopt;
    }
    const bool data = risposte_.front().has_value();
    const QString valore = data ? *risposte_.front() : QString();
    risposte_.pop_front();
    if (!data) {
        return std::nullopt;
    }
    return valore;
}

void DialoghiScriptati::Messaggio(QWidget*, Icona icona, const QString& titolo,
                                  const QString& testo) {
    mostrati_.push_back({Tipo::Messaggio, icona, titolo, testo, {}, {}});
}

bool DialoghiScriptati::Domanda(QWidget*, const QString& titolo, const QString& testo,
                                Predefinito predefinito) {
    mostrati_.push_back({Tipo::Domanda, Icona::Domanda, titolo, testo, {}, {}, predefinito});
    return Prossima().has_value();
}

std::optional<QString> DialoghiScriptati::Input(QWidget*, const QString& titolo,
                                                const QString& prompt, const QString& proposta) {
    mostrati_.push_back({Tipo::Input, Icona::Nessuna, titolo, prompt, proposta, {}});
    return Prossima();
}

std::optional<QString> DialoghiScriptati::ApriFile(QWidget*, const RichiestaFile& richiesta) {
    mostrati_.push_back({Tipo::ApriFile, Icona::Nessuna, {}, {}, {}, richiesta});
    return Prossima();
}

std::optional<QString> DialoghiScriptati::SalvaFile(QWidget*, const RichiestaFile& richiesta) {
    mostrati_.push_back({Tipo::SalvaFile, Icona::Nessuna, {}, {}, {}, richiesta});
    return Prossima();
}

std::optional<FiltroCalendario> DialoghiScriptati::GiorniEMesi(QWidget*,
                                                               const FiltroCalendario& attuale) {
    mostrati_.push_back({Tipo::GiorniEMesi,
                         Icona::Nessuna,
                         QStringLiteral("Giorni e mesi"),
                         {},
                         QString::fromStdString(DescriviFiltro(attuale)),
                         {}});
    const auto risposta = Prossima();
    if (!risposta) {
        return std::nullopt;
    }
    const QStringList parti = risposta->split(QLatin1Char('|'));
    FiltroCalendario f;
    const QString giorni = parti.value(0).trimmed();
    const QString mesi = parti.value(1).trimmed();
    if (!giorni.isEmpty()) {
        f.giorni = LeggiGiorni(giorni.toStdString()).value_or(std::array<bool, 7>{});
    }
    if (!mesi.isEmpty()) {
        f.mesi = LeggiMesi(mesi.toStdString()).value_or(std::array<bool, 12>{});
    }
    return f;
}

std::optional<int> ChiediUltimeNegative(Dialoghi& dialoghi, QWidget* padre) {
    const auto risposta = dialoghi.Input(
        padre, QStringLiteral("Inserimento esiti negativi consecutivi"),
        QStringLiteral("Inserire ultime casistiche negative consecutive."), QString());
    if (!risposta) {
        return std::nullopt;
    }
    bool ok = false;
    const int n = risposta->trimmed().toInt(&ok);
    if (!ok) {
        dialoghi.Messaggio(padre, Icona::Critica, QStringLiteral("Avviso"),
                           QStringLiteral("Attenzione valore inserito non coerente."));
        return std::nullopt;
    }
    return n;
}

void EseguiVerificaFuoriCampione(Dialoghi& dialoghi, QWidget* finestra, int massimo, int proposto,
                                 const std::function<TestoVerifica(int riferimento)>& verifica) {
    const auto riferimento = ChiediRiferimento(dialoghi, finestra, massimo, proposto);
    if (!riferimento) {
        return;
    }
    const TestoVerifica v = verifica(*riferimento);
    dialoghi.Messaggio(finestra, v.riuscita ? Icona::Informazione : v.icona,
                       v.riuscita ? QStringLiteral("Verifica fuori campione")
                                  : QStringLiteral("Avviso"),
                       QString::fromStdString(v.testo));
}

std::optional<int> ChiediIntero(Dialoghi& dialoghi, QWidget* padre, const RichiestaIntero& r) {
    const auto risposta = dialoghi.Input(padre, r.titolo, r.domanda, QString::number(r.proposto));
    if (!risposta) {
        return std::nullopt;
    }
    bool ok = false;
    const int valore = risposta->trimmed().toInt(&ok);
    if (!ok || valore < r.minimo || valore > r.massimo) {
        dialoghi.Messaggio(
            padre, Icona::Informazione, QStringLiteral("Avviso"),
            QStringLiteral("%1 non valido: da %2 a %3.").arg(r.cosa).arg(r.minimo).arg(r.massimo));
        return std::nullopt;
    }
    return valore;
}

std::optional<int> ChiediRiferimento(Dialoghi& dialoghi, QWidget* padre, int massimo,
                                     int proposto) {
    return ChiediIntero(
        dialoghi, padre,
        {QStringLiteral("Verifica fuori campione"),
         QStringLiteral("Il metodo all'estrazione (indice, da 1 a %1):").arg(massimo),
         QStringLiteral("Indice"), 1, massimo, proposto});
}

} // namespace strovel
