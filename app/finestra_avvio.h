#pragma once
// The start-up window: opens the settings, reads the archive path and the parameters, lets
// the user choose (or build) the archive database, and on PROCEDI loads it into memory.

#include "ui/dialoghi.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace strovel {

struct Contesto;

class FinestraAvvio : public QWidget {
    Q_OBJECT
public:
    explicit FinestraAvvio(Contesto& contesto, QWidget* padre = nullptr);

    /// The start-up steps, in their order. False when the settings database cannot be opened:
    /// the program cannot go on, and `errore` says why.
    bool Avvia(QString* errore);

    /// "SELEZIONE ARCHIVIO": the archive chosen in a file dialog becomes the current one.
    void SelezionaArchivio();
    /// "CREA ARCHIVIO DA TESTO": a new archive from a text archive of draws becomes the
    /// current one.
    void CreaArchivioDaTesto();
    /// "PROCEDI": loads the archive; on success emits Caricato.
    void Procedi();

Q_SIGNALS:
    /// The archive is in memory: time for the main window.
    void Caricato();

private:
    /// `percorso` becomes the current archive, as after a choice in the file dialog.
    void RendiCorrente(const QString& percorso);
    RichiestaFile RichiestaArchivio(const QString& nomeFile, const QString& estensione) const;
    /// After a load refused for its first draw: offers to set "EstrazioneIniziale" to 1.
    void OffriEstrazioneIniziale(const QString& dettaglio);

    Contesto& c_;
    QLabel* etichettaArchivio_;
    QLabel* motivo_;
    QProgressBar* barra_;
};

} // namespace strovel
