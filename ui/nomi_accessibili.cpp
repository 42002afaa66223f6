#include "ui/nomi_accessibili.h"

#include <QHash>
#include <QWidget>

namespace strovel {

namespace {

/// Window name, then control name, then what a screen reader says.
const QHash<QString, QString>& Nomi() {
    static const QHash<QString, QString> nomi = [] {
        const char* const voci[][3] = {
            {"archivio", "ComboAnno", "Anno da elencare"},
            {"archivio", "FgCalendario", "Calendario delle estrazioni"},
            {"archivio", "FgDB", "Elenco delle estrazioni"},
            {"archivio", "FgImporta", "Estrazioni da importare"},
            {"archivio", "Text1", "Data dell'estrazione"},
            {"archivio", "TxtIncolla", "Testo delle estrazioni da incollare"},
            {"archivio", "TxtIndirizzo", "Indirizzo internet dell'archivio"},
            {"Estrazioni_minielenco", "FgMini", "Estratti dell'estrazione"},
            {"Strovel", "ComboOP", "Operatore"},
            {"Strovel", "FgCiclo", "Forma del ciclo"},
            {"Strovel", "FgR", "Ruote di rilevazione"},
            {"Strovel", "FgG", "Ruote di gioco"},
            {"Strovel", "FgY", "Elenco formule"},
            {"Strovel", "FgX", "Cicli"},
            {"Strovel", "FgE", "Estrazione considerata"},
            {"Strovel", "Fg4", "Previsioni"},
            {"Strovel", "FgS", "Compagni dell'ambata"},
            {"Strovel", "Fg1", "Statistica della formula"},
            {"Strovel", "FgSt1", "Riepilogo della statistica"},
            {"Strovel", "fG7", "Riepilogo per colpo"},
            {"Strovel", "FgTr", "Elementi della formula"},
            {"Strovel", "FgC", "Accoppiamenti"},
            {"Strovel", "Fg2", "Seconda formula dell'accoppiamento"},
            {"Strovel", "Fg3", "Formule accoppiate affiancate"},
            {"Strovel", "Fg9", "Elenco accorpato"},
            {"Strovel", "Fg13", "Quartine da verificare"},
            {"Strovel", "FgUU", "Verifica delle quartine"},
            {"Strovel", "FgRit", "Ritardi"},
            {"Strovel", "Fg5R", "Ultimi 5 ritardi"},
            {"Strovel", "FgPres", "Presenze per ruota"},
            {"Ciclo2", "ComboSorte", "Sorte"},
            {"Ciclo2", "Comboss", "Abbinamenti da giocare"},
            {"Ciclo2", "FgCicli", "Cicli e presenze dei numeri"},
            {"Ciclo2", "FgMax", "Distribuzione delle presenze"},
            {"Ciclo2", "FgB1", "Numeri per presenze nei cicli"},
            {"Ciclo2", "FgA1", "Ambate"},
            {"Ciclo2", "FgB2", "Abbinamenti"},
            {"Ciclo2", "FgB3", "Numeri per abbinamento"},
            {"Ciclo2", "FgH", "Previsioni da verificare"},
            {"Ciclo2", "FgAA", "Verifica nei cicli"},
            {"Ciclo2", "Fg1", "Esiti per ciclo e colpo"},
            {"Ciclo2", "FgStat2", "Riepilogo dei cicli"},
            {"Ciclo2", "FgStat", "Esiti per colpo"},
            {"Ciclo2", "FgSerie", "Serie per ciclo"},
            {"Ciclo2", "Fgx", "Ambetti"},
            {"Ciclo2", "FgK1", "Ambate e volte"},
            {"Ciclo2", "FgK2", "Ambate e abbinamenti"},
            {"Ciclo2", "FGK90", "Abbinamenti dei 90 numeri"},
            {"CicliAMbi", "Combo1", "Valore della classe"},
            {"CicliAMbi", "Combo2", "Classe: decina, cadenza o figura"},
            {"CicliAMbi", "Fg90", "Numeri da esaminare"},
            {"CicliAMbi", "Fg95", "Secondo elenco di numeri"},
            {"CicliAMbi", "FgR", "Ruote"},
            {"CicliAMbi", "FgA", "Ambi da esaminare"},
            {"CicliAMbi", "FgX", "Numeri e ambi"},
            {"CicliAMbi", "Fg1", "Ambi nei cicli"},
            {"CicliAMbi", "Fg3", "Ambi verificati"},
            {"CicliAMbi", "Fg2", "Cicli"},
            {"CicliAMbi", "Fg5", "Cicli coperti"},
            {"CicliAMbi", "Fg6", "Gruppi di due ambi"},
            {"CicliAMbi", "FG9", "Gruppi di tre ambi"},
            {"CicliAMbi", "FgRuote", "Estrazioni del ciclo"},
            {"RitardiSequenza", "FgR", "Ruote"},
            {"RitardiSequenza", "Fgp", "Posizioni"},
            {"RitardiSequenza", "Fg2", "Sequenza dei ritardi"},
            {"RitardiSequenza", "TxtPres", "Presenze da cercare"},
            {"RitardiSequenza", "Txt_Ultime", "Numero delle ultime estrazioni"},
            {"MetodoAmbata", "TxtNumero", "Numero spia"},
            {"MetodoAmbata", "Txt_Denominazione", "Nome della configurazione"},
            {"MetodoAmbata", "Fg1", "Casi"},
            {"MetodoAmbata", "FgStat2", "Riepilogo"},
            {"MetodoAmbata", "FgRif", "Piano dei colpi"},
            {"MetodoAmbata", "FgE", "Migliori riferimenti"},
            {"MetodoAmbata", "FgEvoluzione", "Evoluzione dell'ambata"},
            {"MetodoAmbata", "FgMemo", "Configurazioni salvate"},
            {"TerzineSpione", "Fg1", "Casi"},
            {"TerzineSpione", "FgE", "Numeri della cinquina"},
            {"TerzineSpione", "FgSort", "Numeri compagni"},
            {"TerzineSpione", "FgStat2", "Riepilogo"},
            {"AmboOltreFrm", "FgR", "Ruote"},
            {"AmboOltreFrm", "Fgp", "Posizioni"},
            {"AmboOltreFrm", "FgS", "Somme consentite"},
            {"AmboOltreFrm", "FgD", "Differenze consentite"},
            {"AmboOltreFrm", "FgF", "Classi consentite"},
            {"AmboOltreFrm", "Fg1", "Casi"},
            {"AmboOltreFrm", "FgX", "Riepilogo"},
            {"Metodi_QuadratoMaltese", "Combo1", "Ruota"},
            {"Metodi_QuadratoMaltese", "Cifre1", "Cifre della prima cinquina"},
            {"Metodi_QuadratoMaltese", "Cifre2", "Cifre della seconda cinquina"},
            {"Metodi_QuadratoMaltese", "Cifre3", "Cifre della terza cinquina"},
            {"Metodi_QuadratoMaltese", "FgX", "Quadrato"},
            {"Metodi_QuadratoMaltese", "Fg1", "Casi dell'ambata"},
            {"Metodi_QuadratoMaltese", "FgCinquina1", "Casi della prima cinquina"},
            {"Metodi_QuadratoMaltese", "FgCinquina2", "Casi della seconda cinquina"},
            {"Metodi_QuadratoMaltese", "FgCinquina3", "Casi della terza cinquina"},
            {"Metodi_QuadratoMaltese", "FgDecimali1", "Numeri con decimali, prima cinquina"},
            {"Metodi_QuadratoMaltese", "FgDecimali2", "Numeri con decimali, seconda cinquina"},
            {"Metodi_QuadratoMaltese", "FgDecimali3", "Numeri con decimali, terza cinquina"},
        };
        QHash<QString, QString> h;
        for (const auto& [finestra, controllo, nome] : voci) {
            h.insert(QString::fromLatin1(finestra) + QLatin1Char('/') +
                         QString::fromLatin1(controllo),
                     QString::fromUtf8(nome));
        }
        return h;
    }();
    return nomi;
}

} // namespace

void DaiNomiAccessibili(QWidget* finestra) {
    const QString prefisso = finestra->objectName() + QLatin1Char('/');
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty() || w->objectName().isEmpty()) {
            continue;
        }
        const auto nome = Nomi().constFind(prefisso + w->objectName());
        if (nome != Nomi().constEnd()) {
            w->setAccessibleName(*nome);
        }
    }
}

} // namespace strovel
