#include "archive/caselle_estrazione.h"

#include "core/decodifica.h"
#include "core/ruote.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace strovel {

namespace {

int Valore(const QString& testo) {
    return LeggiNumero(testo.toStdString());
}

bool Cifra(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int CasellaVicina(int k, int tasto) {
    const int posizione = (k - 1) % 5 + 1;
    switch (tasto) {
    case Qt::Key_Right:
        return posizione == 5 ? k - 4 : k + 1;
    case Qt::Key_Left:
        return posizione == 1 ? k + 4 : k - 1;
    case Qt::Key_Up:
        return k <= 5 ? k + 50 : k - 5;
    case Qt::Key_Down:
        return k >= 51 ? k - 50 : k + 5;
    default:
        return 0;
    }
}

CasellaNumero::CasellaNumero(int numero, CaselleEstrazione* gruppo, QWidget* padre)
    : QLineEdit(padre), numero_(numero), gruppo_(gruppo) {
    setObjectName(QStringLiteral("txtin%1").arg(numero));
    // Box k holds wheel (k - 1) / 5, position (k - 1) % 5 + 1.
    const std::string_view ruota = NomiRuote[static_cast<std::size_t>((numero - 1) / 5)];
    setAccessibleName(
        QStringLiteral("%1, %2° estratto")
            .arg(QString::fromUtf8(ruota.data(), static_cast<qsizetype>(ruota.size())))
            .arg((numero - 1) % 5 + 1));
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    setFixedWidth(38);
    connect(this, &QLineEdit::textChanged, this, &CasellaNumero::Controlla);
}

void CasellaNumero::Controlla(const QString& testo) {
    // "99" stays as typed; anything above 90 or not made of digits is emptied.
    if (testo == QStringLiteral("99")) {
        return;
    }
    const bool svuota = Valore(testo) > 90 || (testo.size() == 1 && !Cifra(testo[0])) ||
                        (testo.size() == 2 && !Cifra(testo[1]));
    if (svuota) {
        clear();
    }
}

void CasellaNumero::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(255, 255, 0));
    setPalette(p);
    selectAll();
    // A mouse click would place the cursor after this: select again once it has.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            selectAll();
        }
    });
}

void CasellaNumero::focusOutEvent(QFocusEvent* e) {
    // "0#": a single digit gets a leading zero; an empty box stays empty.
    if (text().size() == 1 && Cifra(text()[0])) {
        setText(QLatin1Char('0') + text());
    }
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    setPalette(p);
    QLineEdit::focusOutEvent(e);
}

void CasellaNumero::keyPressEvent(QKeyEvent* e) {
    const int tasto = e->key();
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
        if (Valore(text()) == 0) {
            clear();
            return;
        }
        if (text().size() == 1) {
            setText(QLatin1Char('0') + text());
        }
        gruppo_->Vai(numero_ == 55 ? 1 : numero_ + 1);
        return;
    }
    const int vicina = CasellaVicina(numero_, tasto);
    if (vicina != 0) {
        if (text().size() != 2) {
            clear();
            return;
        }
        gruppo_->Vai(vicina);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

CaselleEstrazione::CaselleEstrazione(QWidget* padre) : QWidget(padre) {
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(3);
    g->setColumnStretch(6, 1);
    for (int p = 1; p <= 5; ++p) {
        auto* t = new QLabel(QString::number(p), this);
        t->setAlignment(Qt::AlignCenter);
        g->addWidget(t, 0, p);
    }
    for (int w = 0; w < NumRuote; ++w) {
        g->addWidget(
            new QLabel(QString::fromLatin1(SigleRuote[static_cast<std::size_t>(w)].data(), 2),
                       this),
            w + 1, 0);
        for (int p = 1; p <= 5; ++p) {
            const int k = w * 5 + p;
            auto* c = new CasellaNumero(k, this, this);
            caselle_[static_cast<std::size_t>(k - 1)] = c;
            g->addWidget(c, w + 1, p);
        }
    }
}

QString CaselleEstrazione::TestoRuota(int ruota) const {
    QStringList parti;
    for (int p = 1; p <= 5; ++p) {
        parti << Casella(ruota * 5 + p)->text();
    }
    return parti.join(QLatin1Char('-'));
}

void CaselleEstrazione::Imposta(const std::array<int, 55>& numeri) {
    for (int k = 1; k <= 55; ++k) {
        Casella(k)->setText(QStringLiteral("%1").arg(numeri[static_cast<std::size_t>(k - 1)], 2, 10,
                                                     QLatin1Char('0')));
    }
}

void CaselleEstrazione::Azzera() {
    for (CasellaNumero* c : caselle_) {
        c->clear();
    }
}

void CaselleEstrazione::Vai(int numero) {
    if (numero >= 1 && numero <= 55) {
        Casella(numero)->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace strovel
