#include "ui/dialogo_filtro.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// A group of boxes in `colonne` columns, with "Nessuno" to untick them all.
template <std::size_t N>
QGroupBox* Gruppo(QWidget* padre, const QString& titolo, std::array<QCheckBox*, N>& caselle,
                  const std::array<bool, N>& scelte, std::string_view (*nome)(int), int colonne) {
    auto* gruppo = new QGroupBox(titolo, padre);
    auto* g = new QGridLayout(gruppo);
    for (std::size_t i = 0; i < N; ++i) {
        const int k = static_cast<int>(i);
        caselle[i] = new QCheckBox(QString::fromUtf8(nome(k + 1)), gruppo);
        caselle[i]->setChecked(scelte[i]);
        g->addWidget(caselle[i], k / colonne, k % colonne);
    }
    auto* nessuno = new QPushButton(QStringLiteral("Nessuno"), gruppo);
    QObject::connect(nessuno, &QPushButton::clicked, gruppo, [&caselle] {
        for (QCheckBox* c : caselle) {
            c->setChecked(false);
        }
    });
    g->addWidget(nessuno, (static_cast<int>(N) + colonne - 1) / colonne, colonne - 1);
    return gruppo;
}

} // namespace

DialogoFiltro::DialogoFiltro(const FiltroCalendario& attuale, QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("DialogoGiorniMesi"));
    setWindowTitle(QStringLiteral("Giorni e mesi"));
    auto* v = new QVBoxLayout(this);
    auto* nota = new QLabel(QStringLiteral("La finestra userà solo le estrazioni dei giorni e dei "
                                           "mesi scelti, numerate di nuovo dalla prima.\nNessuna "
                                           "casella scelta in un gruppo: tutti i giorni (mesi)."),
                            this);
    nota->setWordWrap(true);
    v->addWidget(nota);
    v->addWidget(Gruppo(this, QStringLiteral("Giorni della settimana"), giorni_, attuale.giorni,
                        &NomeGiorno, 4));
    v->addWidget(Gruppo(this, QStringLiteral("Mesi"), mesi_, attuale.mesi, &NomeMese, 4));
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pulsanti->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(pulsanti);
}

FiltroCalendario DialogoFiltro::Filtro() const {
    FiltroCalendario f;
    for (std::size_t i = 0; i < f.giorni.size(); ++i) {
        f.giorni[i] = giorni_[i]->isChecked();
    }
    for (std::size_t i = 0; i < f.mesi.size(); ++i) {
        f.mesi[i] = mesi_[i]->isChecked();
    }
    return f;
}

} // namespace strovel
