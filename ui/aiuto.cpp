#include "ui/aiuto.h"

#include "ui/dati_installati.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace strovel {

namespace {

/// The help pages: installed with the program, or the source tree's from a build folder.
QString Cartella() {
    return CartellaDati(QStringLiteral("help"), QStringLiteral(STROVEL_CARTELLA_AIUTO));
}

QString Pagina(int argomento) {
    return Cartella() + QStringLiteral("/%1.html").arg(argomento);
}

QPointer<FinestraAiuto>& Unica() {
    static QPointer<FinestraAiuto> finestra;
    return finestra;
}

// The help window has no parent: it goes with the application object.
void ChiudiAiuto() {
    delete Unica().data();
}

} // namespace

bool EsisteArgomento(int argomento) {
    return QFile::exists(Pagina(argomento));
}

QString TitoloArgomento(int argomento) {
    QFile pagina(Pagina(argomento));
    if (!pagina.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString testo = QString::fromUtf8(pagina.readAll());
    const auto inizio = testo.indexOf(QStringLiteral("<title>"));
    const auto fine = testo.indexOf(QStringLiteral("</title>"));
    return inizio < 0 || fine < inizio ? QString() : testo.mid(inizio + 7, fine - inizio - 7);
}

FinestraAiuto::FinestraAiuto(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName(QStringLiteral("FinestraAiuto"));
    setWindowTitle(QStringLiteral("Help in linea"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("TestoAiuto"));
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({Cartella()});
    QFile stile(Cartella() + QStringLiteral("/stile.css"));
    if (stile.open(QIODevice::ReadOnly)) {
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(stile.readAll()));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void FinestraAiuto::MostraArgomento(int argomento) {
    argomento_ = argomento;
    if (EsisteArgomento(argomento)) {
        browser_->setSource(QUrl::fromLocalFile(Pagina(argomento)));
    } else {
        browser_->setHtml(QStringLiteral("<h2>Argomento non disponibile</h2><p>L'argomento %1 "
                                         "della guida non esiste.</p>")
                              .arg(argomento));
    }
    setWindowTitle(QStringLiteral("Help in linea - ") + Titolo());
}

QString FinestraAiuto::Titolo() const {
    return browser_->documentTitle();
}

FinestraAiuto* FinestraAiuto::Apri(int argomento) {
    QPointer<FinestraAiuto>& finestra = Unica();
    if (!finestra) {
        finestra = new FinestraAiuto();
        finestra->setAttribute(Qt::WA_DeleteOnClose);
        static bool registrato = false;
        if (!registrato) {
            qAddPostRoutine(ChiudiAiuto);
            registrato = true;
        }
    }
    finestra->MostraArgomento(argomento);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}

} // namespace strovel
