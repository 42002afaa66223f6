#include "ui/pulsanti.h"

#include "ui/aiuto.h"
#include "ui/flusso_layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace strovel {

QPushButton* CreaPulsante(QWidget* padre, const char* nome, const QString& testo,
                          const QString& suggerimento) {
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(QString::fromLatin1(nome));
    // Enter runs the command that has the focus, as Space does.
    b->setAutoDefault(true);
    if (!suggerimento.isEmpty()) {
        b->setToolTip(suggerimento);
    }
    return b;
}

QLayout* PulsantiAiuto(QWidget* padre,
                       std::initializer_list<std::pair<const char*, int>> argomenti) {
    // Two help buttons side by side at most ask for the panel's width; more wrap.
    auto* riga = new FlussoLayout(nullptr, 4);
    riga->ImpostaPerRiga(2);
    for (const auto& [nome, argomento] : argomenti) {
        // The caption names the page: a window with several help buttons says which is which.
        const QString titolo = TitoloArgomento(argomento);
        const QString breve = titolo.section(QStringLiteral(" - "), -1);
        auto* b = CreaPulsante(padre, nome, QStringLiteral("? ") + breve,
                               QStringLiteral("Help in linea"));
        b->setAccessibleName(QStringLiteral("Guida: ") + titolo);
        const int a = argomento;
        QObject::connect(b, &QPushButton::clicked, padre, [a] { FinestraAiuto::Apri(a); });
        riga->addWidget(b);
    }
    return riga;
}

QLabel* Nota(QWidget* padre, const QString& testo) {
    auto* l = new QLabel(testo, padre);
    l->setWordWrap(true);
    return l;
}

void AggiungiComandi(QWidget* padre, QGridLayout* griglia, int colonne,
                     std::initializer_list<VoceComando> voci) {
    int i = 0;
    for (const VoceComando& v : voci) {
        auto* b = CreaPulsante(padre, v.nome, v.testo, v.suggerimento);
        QObject::connect(b, &QPushButton::clicked, padre, v.azione);
        griglia->addWidget(b, i / colonne, i % colonne);
        ++i;
    }
}

QHBoxLayout* RigaComandi(QWidget* padre, std::initializer_list<VoceComando> voci) {
    auto* riga = new QHBoxLayout();
    for (const VoceComando& v : voci) {
        auto* b = CreaPulsante(padre, v.nome, v.testo, v.suggerimento);
        QObject::connect(b, &QPushButton::clicked, padre, v.azione);
        riga->addWidget(b);
    }
    riga->addStretch(1);
    return riga;
}

} // namespace strovel
