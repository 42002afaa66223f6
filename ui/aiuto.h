#pragma once
// The built-in help: Italian pages compiled in as resources, one per topic number, shown in
// one help window that every help button reuses.

#include <QWidget>

class QTextBrowser;

namespace strovel {

class FinestraAiuto : public QWidget {
    Q_OBJECT
public:
    explicit FinestraAiuto(QWidget* padre = nullptr);

    /// Shows the page of topic `argomento` ("Argomento non disponibile" when it has none).
    void MostraArgomento(int argomento);
    int Argomento() const { return argomento_; }
    QString Titolo() const;

    /// The one help window of the program, created on first use, shown at `argomento` and
    /// brought to the front.
    static FinestraAiuto* Apri(int argomento);

private:
    QTextBrowser* browser_;
    int argomento_ = 0;
};

/// Whether the help has a page for `argomento`.
bool EsisteArgomento(int argomento);
/// The title of the page of `argomento`; empty when it has none.
QString TitoloArgomento(int argomento);

} // namespace strovel
