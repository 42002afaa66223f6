#include "ui/pulsanti.h"

#include "ui/aiuto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace strovel {

QPushButton* CreaPulsante(QWidget* padre, const char* nome, const QString& testo,
                          const QString& suggerimento) {
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(QString::fromLatin1(nome));
    if (!suggerimento.isEmpty()) {
        b->setToolTip(suggerimento);
    }
    return b;
}

QHBoxLayout* PulsantiAiuto(QWidget* padre,
                           std::initializer_list<std::pair<const char*, int>> argomenti) {
    auto* riga = new QHBoxLayout();
    for (const auto& [nome, argomento] : argomenti) {
        auto* b = CreaPulsante(padre, nome, QStringLiteral("? %1").arg(argomento),
                               QStringLiteral("Help in linea"));
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
