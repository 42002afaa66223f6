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
        OpzioneLista(QStringLiteral("presenze"), QStringLiteral("Presenze (numero di casi)"),
                     liste_casi::Presenze, QStringLiteral("K")),
        OpzioneLista(QStringLiteral("colpi"), QStringLiteral("Colpi"), liste_casi::Colpi,
                     QStringLiteral("G")),
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
