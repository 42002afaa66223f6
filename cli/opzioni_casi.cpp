#include "cli/opzioni_casi.h"

#include "core/esiti.h"

namespace strovel::cli {

QList<QCommandLineOption> OpzioniCasi() {
    return {
        OpzioneRuote(QStringLiteral("rilevazione"), QStringLiteral("Ruote di rilevazione"),
                     QStringLiteral("TU")),
        OpzioneRuote(QStringLiteral("gioco"), QStringLiteral("Ruote di gioco"),
                     QStringLiteral("TU")),
        OpzionePosizioni(),
        OpzioneLista(liste_casi::Presenze),
        OpzioneLista(liste_casi::Colpi),
    };
}

QCommandLineOption OpzioneFine() {
    return ConValore(QStringLiteral("fine"),
                     QStringLiteral("Fine dell'analisi, indice dell'estrazione (predefinita "
                                    "l'ultima)."),
                     QStringLiteral("E"));
}

bool NumeroLotto(const Chiamata& c, const QString& nome, int& numero) {
    return Intero(c, nome, 1, 90, numero);
}

} // namespace strovel::cli
