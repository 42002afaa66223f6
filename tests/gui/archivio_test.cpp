#include "archive/archivio_finestra.h"
#include "archive/caselle_estrazione.h"
#include "archive/minielenco_finestra.h"
#include "core/archivio.h"
#include "storage/archivio_db.h"
#include "storage/caricamento.h"
#include "storage/impostazioni.h"
#include "tests/gui/aiuti.h"
#include "tests/support/supporto.h"
#include "ui/aiuto.h"
#include "ui/dialoghi.h"
#include "ui/progresso_barra.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>

namespace strovel {
namespace {

using Tipo = DialoghiScriptati::Tipo;

/// A fixed-column record of `riga`.
QByteArray Record(const RigaEstrazione& riga) {
    std::string s = riga.data;
    for (const std::string& w : riga.ruote) {
        s += " " + w;
    }
    return QByteArray::fromStdString(s) + " pr\r\n";
}

class FinestraArchivioTest : public ::testing::Test {
protected:
    QTemporaryDir casa;
    DialoghiScriptati dialoghi;
    DatabaseArchivio db;
    DatabaseImpostazioni impostazioni;
    std::unique_ptr<Archivio> archivio = std::make_unique<Archivio>();
    QString indirizzo = QStringLiteral("http://127.0.0.1:1");
    int ricariche = 0;
    QProgressBar barra;
    QStringList aperti;
    std::unique_ptr<FinestraArchivio> w;

    void SetUp() override {
        const QString p = casa.filePath(QStringLiteral("a.mdb"));
        test::CreaArchivio(p, test::RigheConsecutive(30));
        ASSERT_TRUE(db.ApriArchivio(p, nullptr));
        ASSERT_TRUE(impostazioni.ApriDatabaseImpostazioni(casa.path(), nullptr));
        ASSERT_FALSE(CaricaArchivioAvvio(db, 1, *archivio).has_value());
        Apri();
    }
    void TearDown() override { w.reset(); }
    void Apri() {
        ServiziFinestra s;
        s.archivio = archivio.get();
        s.db = &db;
        s.impostazioni = &impostazioni;
        s.dialoghi = &dialoghi;
        s.cartellaProgramma = casa.path();
        s.indirizzoInternet = &indirizzo;
        s.pb1 = ProgressoSuBarra(&barra);
        s.dopoRicarica = [this] { ++ricariche; };
        s.adesso = [] { return test::Adesso(); };
        s.apriIndirizzo = [this](const QString& i) { aperti << i; };
        s.annoCorrente = 2026;
        w = std::make_unique<FinestraArchivio>(std::move(s));
        w->show();
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
    }
    template <typename T = QWidget> T* Trova(const QString& nome) {
        return test::Trova<T>(w.get(), nome);
    }
    QString Testo(const char* nome) { return test::Etichetta(w.get(), QString::fromLatin1(nome)); }
    QLineEdit* Box(int k) { return Trova<QLineEdit>(QStringLiteral("txtin%1").arg(k)); }
    /// The texts of boxes da..a.
    std::vector<std::string> Caselle(int da, int a) {
        std::vector<std::string> t;
        for (int k = da; k <= a; ++k) {
            t.push_back(Box(k)->text().toStdString());
        }
        return t;
    }
    void Clicca(const char* nome) { test::Clicca(w.get(), QString::fromLatin1(nome)); }
    QString Focus() {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
};

TEST_F(FinestraArchivioTest, AperturaMostraLUltimaEstrazione) {
    EXPECT_EQ(w->Schede()->currentIndex(), 0);
    EXPECT_EQ(Testo("pAN_DC"), QStringLiteral("30"));
    EXPECT_EQ(Testo("LBLESTRAZIONE"), QStringLiteral("30/01/2000"));
    EXPECT_EQ(Testo("LblMensile"), QStringLiteral("30"));
    EXPECT_EQ(Testo("LblAnnuale"), QStringLiteral("30"));
    EXPECT_EQ(Testo("LBLAGGIORNATO"), QStringLiteral("30/01/2000"));
    EXPECT_EQ(Testo("Label2"), QStringLiteral("30"));
    EXPECT_EQ(Testo("Label9"), QStringLiteral("30"));
    EXPECT_EQ(Testo("LblIndirizzo"), indirizzo);
    EXPECT_EQ(Trova<QScrollBar>(QStringLiteral("HScrestrazione"))->maximum(), 30);
    EXPECT_EQ(Trova<QCalendarWidget>(QStringLiteral("MonthView1"))->selectedDate(),
              QDate(2026, 1, 2));
    EXPECT_EQ(Box(1)->text(),
              QString::fromStdString(test::RigheConsecutive(30)[29].ruote[0].substr(0, 2)));
    EXPECT_FALSE(Trova<QCheckBox>(QStringLiteral("Check3"))->isChecked());
    Clicca("CmdCollega");
    EXPECT_EQ(aperti, QStringList{indirizzo});
}

TEST_F(FinestraArchivioTest, CaselleDaTastiera) {
    QLineEdit* b1 = Box(1);
    b1->setFocus();
    EXPECT_EQ(b1->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(b1->selectedText(), b1->text());
    b1->clear();
    QTest::keyClicks(b1, QStringLiteral("95"));
    EXPECT_EQ(b1->text(), QString());
    QTest::keyClicks(b1, QStringLiteral("99"));
    EXPECT_EQ(b1->text(), QStringLiteral("99"));
    b1->clear();
    QTest::keyClicks(b1, QStringLiteral("x"));
    EXPECT_EQ(b1->text(), QString());
    QTest::keyClicks(b1, QStringLiteral("4x"));
    EXPECT_EQ(b1->text(), QString());
    QTest::keyClicks(b1, QStringLiteral("7"));
    QTest::keyClick(b1, Qt::Key_Return);
    EXPECT_EQ(b1->text(), QStringLiteral("07"));
    EXPECT_EQ(Focus(), QStringLiteral("txtin2"));
    EXPECT_EQ(b1->palette().color(QPalette::Base), QColor(Qt::white));
    // Leaving a box formats a single digit.
    Box(2)->clear();
    QTest::keyClicks(Box(2), QStringLiteral("3"));
    Box(9)->setFocus();
    EXPECT_EQ(Box(2)->text(), QStringLiteral("03"));
    // Enter on zero or empty: emptied, the focus stays.
    Box(9)->setText(QStringLiteral("00"));
    QTest::keyClick(Box(9), Qt::Key_Return);
    EXPECT_EQ(Box(9)->text(), QString());
    EXPECT_EQ(Focus(), QStringLiteral("txtin9"));
    // Arrows wrap within the row and the column.
    const std::tuple<int, Qt::Key, int> mosse[] = {{5, Qt::Key_Right, 1},  {6, Qt::Key_Left, 10},
                                                   {3, Qt::Key_Up, 53},    {52, Qt::Key_Down, 2},
                                                   {12, Qt::Key_Down, 17}, {12, Qt::Key_Right, 13}};
    for (const auto& [da, tasto, a] : mosse) {
        Box(da)->setText(QStringLiteral("11"));
        Box(da)->setFocus();
        QTest::keyClick(Box(da), tasto);
        EXPECT_EQ(Focus(), QStringLiteral("txtin%1").arg(a)) << da;
    }
    Box(55)->setText(QStringLiteral("12"));
    Box(55)->setFocus();
    QTest::keyClick(Box(55), Qt::Key_Return);
    EXPECT_EQ(Focus(), QStringLiteral("txtin1"));
    // An arrow in a box that does not hold two characters empties it and stays.
    Box(20)->setText(QStringLiteral("4"));
    Box(20)->setFocus();
    QTest::keyClick(Box(20), Qt::Key_Right);
    EXPECT_EQ(Box(20)->text(), QString());
    EXPECT_EQ(Focus(), QStringLiteral("txtin20"));
}

TEST_F(FinestraArchivioTest, SalvaModificaElimina) {
    auto* calendario = Trova<QCalendarWidget>(QStringLiteral("MonthView1"));
    calendario->setSelectedDate(QDate(2000, 2, 5));
    Clicca("CmdAzzera");
    for (int k = 1; k <= 50; ++k) {
        Box(k)->setText(QStringLiteral("%1").arg((k - 1) % 90 + 1, 2, 10, QLatin1Char('0')));
    }
    // No: nothing happens.
    Clicca("CmdSalva");
    EXPECT_EQ(db.NumeroRighe(), 30);
    EXPECT_EQ(dialoghi.Mostrati().back().testo,
              QStringLiteral("Confermi il salvataggio dell'estrazione del 05/02/2000 ?"));
    dialoghi.RispondiSi();
    Clicca("CmdSalva");
    EXPECT_EQ(db.NumeroRighe(), 31);
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Dati salvati correttamente. Ricarico archivio."));
    RigaEstrazione r;
    ASSERT_EQ(db.CercaData(QStringLiteral("05/02/2000"), &r), EsitoRicerca::Trovata);
    EXPECT_EQ(r.ruote[0], "01-02-03-04-05");
    EXPECT_EQ(r.ruote[10], "----"); // the Nazionale boxes were empty
    EXPECT_EQ(archivio->TotEstrazioni, 31);
    EXPECT_EQ(archivio->Estratti(31, 10, 1), 0);
    EXPECT_EQ(Testo("pAN_DC"), QStringLiteral("31"));
    EXPECT_EQ(Testo("Label2"), QStringLiteral("31"));
    EXPECT_GE(ricariche, 1);
    // The reload moves the bar every 50th draw; at its end the bar is full.
    EXPECT_EQ(barra.maximum(), 32);
    EXPECT_EQ(barra.value(), 32);

    // The same date again: refused, nothing written.
    dialoghi.Azzera();
    dialoghi.RispondiSi();
    Clicca("CmdSalva");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Anomalia archivio"));
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral("Attenzione probabilmente hai inserito una data già memorizzata..."));
    EXPECT_EQ(db.NumeroRighe(), 31);

    // Modify draw 10: same date, new numbers, the current index stays.
    Trova<QScrollBar>(QStringLiteral("HScrestrazione"))->setValue(10);
    Box(1)->setText(QStringLiteral("88"));
    dialoghi.Azzera();
    dialoghi.RispondiSi();
    Clicca("CmdModifica");
    EXPECT_EQ(dialoghi.Mostrati()[0].testo,
              QStringLiteral("Confermi la modifica dell'estrazione del 10/01/2000 ?  La modifica è "
                             "relativa agli estratti e viene mantenuta la stessa data."));
    ASSERT_EQ(db.CercaData(QStringLiteral("10/01/2000"), &r), EsitoRicerca::Trovata);
    EXPECT_EQ(r.ruote[0].substr(0, 2), "88");
    EXPECT_EQ(archivio->Estratti(10, 0, 1), 88);
    EXPECT_EQ(Testo("pAN_DC"), QStringLiteral("10"));
    EXPECT_EQ(db.NumeroRighe(), 31);

    // Delete it.
    dialoghi.Azzera();
    dialoghi.RispondiSi();
    Clicca("CmdElimina");
    EXPECT_EQ(
        dialoghi.Mostrati()[0].testo,
        QStringLiteral("Attenzione: sarà eliminata l'estrazione del 10/01/2000.  Confermi ?"));
    EXPECT_EQ(dialoghi.Messaggi().back().titolo,
              QStringLiteral("Sistemazione Archivio estrazioni"));
    EXPECT_EQ(db.CercaData(QStringLiteral("10/01/2000"), nullptr), EsitoRicerca::NonTrovata);
    EXPECT_EQ(archivio->TotEstrazioni, 30);
}

TEST_F(FinestraArchivioTest, Incolla) {
    QString testo;
    for (int k = 1; k <= 55; ++k) {
        testo += QString::number(k) + (k % 5 == 0 ? QStringLiteral("\n") : QStringLiteral(" "));
    }
    w->IncollaEstrazione(testo);
    std::vector<std::string> tutte;
    for (int k = 1; k <= 55; ++k) {
        tutte.push_back((k < 10 ? "0" : "") + std::to_string(k));
    }
    EXPECT_EQ(Caselle(1, 55), tutte);
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("TxtIncolla"))->text(), testo);
    // The last number is taken without a separator after it; past the 55th nothing counts.
    w->IncollaEstrazione(QStringLiteral("BA 1 2 3"));
    EXPECT_EQ(Caselle(3, 4), (std::vector<std::string>{"03", "00"}));
    QString lungo;
    for (int k = 1; k <= 60; ++k) {
        lungo += QString::number(k % 90 + 1) + QLatin1Char(' ');
    }
    w->IncollaEstrazione(lungo);
    EXPECT_EQ(Box(55)->text(), QStringLiteral("56"));
    // Separators of two characters are still one separator: no zeros in between.
    w->IncollaEstrazione(QStringLiteral("12, 34,  56;\r\n78"));
    EXPECT_EQ(Caselle(1, 5), (std::vector<std::string>{"12", "34", "56", "78", "00"}));
}

TEST_F(FinestraArchivioTest, NavigazioneERicerche) {
    dialoghi.Rispondi(QStringLiteral("5"));
    QTest::mouseClick(Trova(QStringLiteral("pAN_DC")), Qt::LeftButton);
    EXPECT_EQ(w->Corrente(), 5);
    EXPECT_EQ(dialoghi.Mostrati().back().titolo, QStringLiteral("Indice estrazione"));
    EXPECT_EQ(dialoghi.Mostrati().back().testo, QStringLiteral("Digitare il numero indice"));
    EXPECT_EQ(dialoghi.Mostrati().back().proposta, QStringLiteral("3894"));
    for (const char* no : {"abc", "0", "31"}) {
        dialoghi.Rispondi(QString::fromLatin1(no));
        QTest::mouseClick(Trova(QStringLiteral("pAN_DC")), Qt::LeftButton);
        EXPECT_EQ(w->Corrente(), 5) << no;
    }
    dialoghi.Rispondi(QStringLiteral("19"));
    Clicca("Command42");
    EXPECT_EQ(w->Corrente(), 5);
    dialoghi.Rispondi(QStringLiteral("25"));
    Clicca("Command42");
    EXPECT_EQ(w->Corrente(), 25);
    dialoghi.Rispondi(QStringLiteral("12/01/2000"));
    Clicca("Command59");
    EXPECT_EQ(w->Corrente(), 12);
    dialoghi.Azzera();
    dialoghi.Rispondi(QStringLiteral("12/1/2000"));
    Clicca("Command59");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].testo, QStringLiteral("Data non trovata"));
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Cerca data"));
    Clicca("CmdUltima");
    EXPECT_EQ(w->Corrente(), 30);
    Clicca("CmdImpostaData");
    EXPECT_EQ(Trova<QCalendarWidget>(QStringLiteral("MonthView1"))->selectedDate(),
              QDate(2000, 1, 30));
    Clicca("CmdOggi");
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("02/01/2026"));
}

TEST_F(FinestraArchivioTest, ElencoECalendario) {
    auto* fgDB = Trova<QTableView>(QStringLiteral("FgDB"));
    ASSERT_EQ(fgDB->model()->rowCount(), 30);
    // The date, then the wheels in their order: the titles a player reads the list by.
    const QStringList titoli = test::Intestazioni(w.get(), QStringLiteral("FgDB"));
    ASSERT_GE(titoli.size(), 12);
    EXPECT_EQ(titoli.mid(0, 3), (QStringList{QStringLiteral("Data"), QStringLiteral("Bari"),
                                             QStringLiteral("Cagliari")}));
    EXPECT_EQ(titoli[11], QStringLiteral("Nazionale"));
    fgDB->setCurrentIndex(fgDB->model()->index(6, 2));
    EXPECT_EQ(fgDB->model()->index(6, 5).data(Qt::BackgroundRole).value<QColor>(),
              QColor(255, 255, 0));
    EXPECT_EQ(fgDB->model()->index(5, 5).data(Qt::BackgroundRole).value<QColor>(),
              QColor(Qt::white));
    w->Schede()->setCurrentIndex(1);
    Clicca("CmdSelezioneEstrazione");
    EXPECT_EQ(w->Corrente(), 7);
    EXPECT_EQ(w->Schede()->currentIndex(), 0);
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("07/01/2000"));

    auto* anni = Trova<QComboBox>(QStringLiteral("ComboAnno"));
    EXPECT_EQ(anni->itemText(0), QStringLiteral("1939"));
    EXPECT_EQ(anni->currentText(), QStringLiteral("2026"));
    auto* cal = Trova<GrigliaTabella>(QStringLiteral("FgCalendario"));
    EXPECT_EQ(cal->rowCount(), 0);
    anni->setCurrentText(QStringLiteral("2000"));
    ASSERT_EQ(cal->rowCount(), 1);
    ASSERT_EQ(cal->columnCount(), 3 + 30);
    EXPECT_EQ(cal->Testo(0, 1), QStringLiteral("2000"));
    EXPECT_EQ(cal->Testo(0, 3), QStringLiteral("7")); // 1 January 2000: Saturday
    Trova<QCheckBox>(QStringLiteral("ChSigla"))->click();
    EXPECT_EQ(cal->Testo(0, 3), QStringLiteral("S"));
    EXPECT_EQ(cal->Testo(0, 4), QStringLiteral("D"));
    w->ClicCalendario(0, 12); // 10 January
    EXPECT_EQ(w->Corrente(), 10);
    w->ClicCalendario(0, 1); // not a day: nothing
    EXPECT_EQ(w->Corrente(), 10);
}

TEST_F(FinestraArchivioTest, Esportazioni) {
    QTemporaryDir wine;
    qputenv("WINEPREFIX", wine.path().toUtf8());
    Clicca("CmdTrindolo");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].testo, QStringLiteral("Attenzione Trindolo non presente."));
    QDir(wine.path()).mkpath(QStringLiteral("drive_c/KVAR3"));
    dialoghi.Azzera();
    Clicca("CmdTrindolo");
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    EXPECT_EQ(
        test::LeggiFile(wine.filePath(QStringLiteral("drive_c/KVAR3/DATI32.III"))).count('\n'), 30);
    qunsetenv("WINEPREFIX");

    const QString iii = casa.filePath(QStringLiteral("Dati.iii"));
    dialoghi.Rispondi(iii);
    Clicca("CmdPelvano");
    EXPECT_EQ(QFileInfo(iii).size(), 30 * 110);
    EXPECT_EQ(Testo("LblPercorsoDati"), iii);
    EXPECT_EQ(dialoghi.Mostrati().back().file.filtro, QStringLiteral("File di archivio (*.iii)"));
    // A name typed without an extension gets ".iii".
    EXPECT_EQ(dialoghi.Mostrati().back().file.estensione, QStringLiteral("iii"));
    Clicca("CmdRendePredefinita");
    QString salvato;
    impostazioni.LeggiParametro(QStringLiteral("PercorsoDati.iii"), salvato);
    EXPECT_EQ(salvato, iii);
    EXPECT_EQ(dialoghi.Messaggi().back().testo, QStringLiteral("Salvataggio effettuato"));

    Clicca("CmdNazionale"); // cancelled: nothing written
    const QString naz = casa.filePath(QStringLiteral("naz.Txt"));
    EXPECT_FALSE(QFileInfo::exists(naz));
    dialoghi.Rispondi(naz);
    Clicca("CmdNazionale");
    EXPECT_EQ(test::LeggiFile(naz).left(6), QByteArray("00001-"));
    EXPECT_EQ(test::LeggiFile(naz).count('\n'), 30);

    auto* casella = Trova<QLineEdit>(QStringLiteral("TxtIndirizzo"));
    casella->setText(QStringLiteral("https://nuovo.esempio"));
    Clicca("CmdRendePredefinito");
    impostazioni.LeggiParametro(QStringLiteral("IndirizzoInternet"), salvato);
    EXPECT_EQ(salvato, QStringLiteral("https://nuovo.esempio"));
    EXPECT_EQ(indirizzo, QStringLiteral("https://nuovo.esempio"));
    QTest::mouseDClick(casella, Qt::LeftButton);
    EXPECT_TRUE(casella->text().isEmpty());
}

TEST_F(FinestraArchivioTest, AggiornamentoDaFile) {
    auto righe = test::RigheConsecutive(33);
    righe[4].ruote[7] = "90-80-70-60-50";
    QByteArray testo;
    for (const auto& r : righe) {
        testo += Record(r);
    }
    const QString file = casa.filePath(QStringLiteral("agg.txt"));
    test::ScriviFile(file, testo);

    // An apply with nothing loaded.
    Clicca("CmdAggiornamento");
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Non ci sono estrazioni da aggiornare."));
    // A cancelled dialog is a failure with an empty step.
    dialoghi.Azzera();
    Clicca("CmdAggiornaDaFile");
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Attenzione qualcosa è andato strorto nella procedura "));
    EXPECT_EQ(dialoghi.Mostrati().front().file.filtro, QStringLiteral("File di testo (*.Txt)"));
    // A file that fails the first-record rule.
    const QString cattivo = casa.filePath(QStringLiteral("cattivo.txt"));
    test::ScriviFile(cattivo, testo.mid(1));
    dialoghi.Azzera();
    dialoghi.Rispondi(cattivo);
    Clicca("CmdAggiornaDaFile");
    EXPECT_EQ(dialoghi.Messaggi().back().testo,
              QStringLiteral("Attenzione, sembra che il file non sia del formato corretto"));

    dialoghi.Azzera();
    dialoghi.Rispondi(file);
    Clicca("CmdAggiornaDaFile");
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    auto* fg = Trova<GrigliaTabella>(QStringLiteral("FgImporta"));
    ASSERT_EQ(fg->rowCount(), 33);
    EXPECT_EQ(fg->Intestazione(1), QStringLiteral("Data estraz "));
    EXPECT_EQ(test::Sfondo(fg, 32, 1), QColor(255, 192, 128));
    EXPECT_EQ(test::ColoreTesto(fg, 4, 1), QColor(255, 0, 0));
    EXPECT_TRUE(test::Grassetto(fg, 4, 1));
    EXPECT_EQ(test::Sfondo(fg, 4, 2), QColor(128, 255, 128));
    EXPECT_EQ(test::Sfondo(fg, 4, 9), QColor());
    auto* list4 = Trova<QListWidget>(QStringLiteral("List4"));
    ASSERT_EQ(list4->count(), 4);
    EXPECT_EQ(list4->item(0)->text(), QStringLiteral("Manca estrazione del: 02/02/2000"));
    EXPECT_EQ(list4->item(3)->text(), QStringLiteral("Errori Estrazione del 05/01/2000"));
    EXPECT_EQ(list4->font().family(), QStringLiteral("Courier New"));

    Trova<QCheckBox>(QStringLiteral("Check3"))->setChecked(true);
    Clicca("CmdAggiornamento");
    EXPECT_EQ(dialoghi.Messaggi().back().testo, QStringLiteral("Dati salvati correttamente."));
    EXPECT_EQ(db.NumeroRighe(), 33);
    EXPECT_EQ(archivio->TotEstrazioni, 33);
    EXPECT_EQ(fg->rowCount(), 0);
    EXPECT_EQ(list4->item(0)->text(), QStringLiteral("Modificata estrazione del05/01/2000"));
    EXPECT_EQ(list4->item(list4->count() - 1)->text(), QStringLiteral("aggiunti N° 3 record"));
    EXPECT_EQ(w->Schede()->currentIndex(), 0);
    EXPECT_EQ(Testo("Label2"), QStringLiteral("33"));
    RigaEstrazione r;
    db.CercaData(QStringLiteral("05/01/2000"), &r);
    EXPECT_EQ(r.ruote[7], "90-80-70-60-50");
}

TEST_F(FinestraArchivioTest, ComandiInDueColonne) {
    // SALVA and MODIFICA side by side, ELIMINA and AZZERA GRID under them: none covers another.
    auto posizione = [&](const char* nome) {
        auto* b = Trova<QPushButton>(QString::fromLatin1(nome));
        return QRect(b->mapTo(w.get(), QPoint(0, 0)), b->size());
    };
    const QRect salva = posizione("CmdSalva");
    const QRect modifica = posizione("CmdModifica");
    const QRect elimina = posizione("CmdElimina");
    const QRect azzera = posizione("CmdAzzera");
    EXPECT_EQ(salva.top(), modifica.top());
    EXPECT_EQ(elimina.top(), azzera.top());
    EXPECT_GT(elimina.top(), salva.bottom());
    EXPECT_LT(salva.right(), modifica.left());
    EXPECT_FALSE(salva.intersects(elimina) || modifica.intersects(azzera));
}

TEST_F(FinestraArchivioTest, PagineDiAiuto) {
    const std::pair<const char*, int> pulsanti[] = {
        {"CmDHelp", 320}, {"Command22", 330}, {"Command23", 340}, {"Command25", 350}};
    for (const auto& [nome, argomento] : pulsanti) {
        EXPECT_TRUE(EsisteArgomento(argomento)) << argomento;
        Clicca(nome);
        EXPECT_TRUE(
            test::AttendiFinche([&] { return test::ArgomentoAiutoAperto() == argomento; }, 1000))
            << nome;
    }
    FinestraAiuto::Apri(320)->close();
}

TEST_F(FinestraArchivioTest, SalvataggioConArchivioInUso) {
    Trova<QCalendarWidget>(QStringLiteral("MonthView1"))->setSelectedDate(QDate(2000, 2, 5));
    qputenv("STROVEL_ATTESA_BLOCCO_MS", "200");
    {
        QSqlDatabase altro =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
        altro.setDatabaseName(db.Percorso());
        ASSERT_TRUE(altro.open());
        QSqlQuery q(altro);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        // The connection of the window was opened before: it waits its own time.
        QSqlQuery(db.Db()).exec(QStringLiteral("PRAGMA busy_timeout = 200"));
        dialoghi.RispondiSi();
        Clicca("CmdSalva");
        q.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("altro"));
    qunsetenv("STROVEL_ATTESA_BLOCCO_MS");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Anomalia archivio"));
    EXPECT_TRUE(dialoghi.Messaggi()[0].testo.contains(QStringLiteral("in uso da un altro "
                                                                     "programma")))
        << dialoghi.Messaggi()[0].testo.toStdString();
    EXPECT_EQ(db.NumeroRighe(), 30);
}

TEST_F(FinestraArchivioTest, RecordMalformatiChiestiUnaVolta) {
    auto righe = test::RigheConsecutive(33);
    righe[31].ruote[0] = "05-05-33-71-90";
    righe[32].ruote[10] = "05-18-33-71-  ";
    QByteArray testo;
    for (const auto& r : righe) {
        testo += Record(r);
    }
    const QString file = casa.filePath(QStringLiteral("agg.txt"));
    test::ScriviFile(file, testo);
    auto carica = [&] {
        dialoghi.Azzera();
        dialoghi.Rispondi(file);
        Clicca("CmdAggiornaDaFile");
    };
    carica();
    auto* fg = Trova<GrigliaTabella>(QStringLiteral("FgImporta"));
    auto* list4 = Trova<QListWidget>(QStringLiteral("List4"));
    ASSERT_EQ(fg->rowCount(), 33);
    // Their own colour; the import mark stays on the date.
    EXPECT_EQ(test::Sfondo(fg, 31, 0), QColor(216, 176, 255));
    EXPECT_EQ(test::Sfondo(fg, 31, 2), QColor(216, 176, 255));
    EXPECT_EQ(test::Sfondo(fg, 31, 1), QColor(255, 192, 128));
    EXPECT_EQ(test::Sfondo(fg, 30, 0), QColor());
    EXPECT_EQ(list4->item(1)->text(),
              QStringLiteral("Record malformato del 02/02/2000 (riga 33): Nazionale: la ruota "
                             "\"05-18-33-71-  \" non è nel formato nn-nn-nn-nn-nn"));

    // Asked once, No proposed: only the well-formed draw is written.
    Clicca("CmdAggiornamento");
    ASSERT_EQ(dialoghi.Mostrati().back().tipo, Tipo::Messaggio);
    int domande = 0;
    for (const auto& d : dialoghi.Mostrati()) {
        if (d.tipo == Tipo::Domanda) {
            ++domande;
            EXPECT_EQ(d.predefinito, Predefinito::No);
            EXPECT_TRUE(d.testo.contains(QStringLiteral("2 record malformati")));
        }
    }
    EXPECT_EQ(domande, 1);
    EXPECT_EQ(db.NumeroRighe(), 31);
    EXPECT_EQ(list4->item(list4->count() - 1)->text(),
              QStringLiteral("Estrazione del 02/02/2000 non scritta, record malformato: "
                             "Nazionale: la ruota \"05-18-33-71-  \" non è nel formato "
                             "nn-nn-nn-nn-nn"));
    // Yes writes them too.
    carica();
    dialoghi.RispondiSi();
    Clicca("CmdAggiornamento");
    EXPECT_EQ(db.NumeroRighe(), 33);
    RigaEstrazione r;
    db.CercaData(QStringLiteral("01/02/2000"), &r);
    EXPECT_EQ(r.ruote[0], "05-05-33-71-90");
}

TEST_F(FinestraArchivioTest, EsportazioneSopraUnDatabaseRifiutata) {
    const QString archivioAperto = db.Percorso();
    const QByteArray prima = test::LeggiFile(archivioAperto);
    for (const char* comando : {"CmdPelvano", "CmdNazionale"}) {
        dialoghi.Azzera();
        dialoghi.Rispondi(archivioAperto);
        Clicca(comando);
        ASSERT_EQ(dialoghi.Messaggi().size(), 1u) << comando;
        EXPECT_EQ(dialoghi.Messaggi()[0].titolo, QStringLiteral("Esportazione"));
        EXPECT_TRUE(dialoghi.Messaggi()[0].testo.contains(QStringLiteral("non lo sovrascrive")));
    }
    EXPECT_EQ(test::LeggiFile(archivioAperto), prima);
    EXPECT_TRUE(Testo("LblPercorsoDati").isEmpty());
}

TEST_F(FinestraArchivioTest, FileErratiNonCambianoLArchivio) {
    const QByteArray buono = Record(test::RigheConsecutive(31)[30]);
    QByteArray binario;
    for (int k = 0; k < 600; ++k) {
        binario.append(static_cast<char>((k * 37 + 11) % 256));
    }
    const QByteArray conVirgole = buono.left(40) + "," + buono.mid(41);
    const QByteArray dataErrata = buono + "32/01/2000" + buono.mid(10);
    const QByteArray virgolaDopo = buono + buono.left(100) + "," + buono.mid(101);
    struct Caso {
        QByteArray contenuto;
        QString messaggio;
    };
    const QString formato =
        QStringLiteral("Attenzione, sembra che il file non sia del formato corretto");
    const QString controllo = QStringLiteral(
        "Attenzione qualcosa è andato strorto nella procedura Controllo estrazioni mancanti");
    const Caso casi[] = {{binario, formato},
                         {conVirgole, formato},
                         {buono.left(177) + "\r\n", formato},
                         {dataErrata, controllo},
                         {virgolaDopo, controllo}};
    const QString file = casa.filePath(QStringLiteral("f.txt"));
    for (const Caso& c : casi) {
        test::ScriviFile(file, c.contenuto);
        dialoghi.Azzera();
        dialoghi.Rispondi(file);
        Clicca("CmdAggiornaDaFile");
        if (!c.messaggio.isEmpty()) {
            ASSERT_FALSE(dialoghi.Messaggi().empty());
            EXPECT_EQ(dialoghi.Messaggi().back().testo, c.messaggio);
        }
        // Whatever the file, an apply writes nothing it should not.
        Clicca("CmdAggiornamento");
        EXPECT_LE(db.NumeroRighe(), 31);
        RigaEstrazione r;
        EXPECT_NE(db.CercaData(QStringLiteral("32/01/2000"), &r), EsitoRicerca::Trovata);
    }
    EXPECT_EQ(db.CercaData(QStringLiteral("05/01/2000"), nullptr), EsitoRicerca::Trovata);
}

/// Serves one fixed answer on 127.0.0.1.
class ServerSemplice {
public:
    explicit ServerSemplice(QByteArray risposta) : risposta_(std::move(risposta)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                s->readAll();
                s->write(risposta_);
                s->disconnectFromHost();
            });
        });
    }
    QString Indirizzo() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }

private:
    QTcpServer server_;
    QByteArray risposta_;
};

TEST_F(FinestraArchivioTest, ControlloDalSito) {
    const QByteArray corpo = Record(test::RigheConsecutive(31)[30]);
    ServerSemplice ok("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(corpo.size()) +
                      "\r\n\r\n" + corpo);
    indirizzo = ok.Indirizzo();
    Clicca("CmdControlloAggiornamenti");
    EXPECT_TRUE(dialoghi.Messaggi().empty());
    EXPECT_EQ(test::LeggiFile(casa.filePath(QStringLiteral("Estr_Agg.txt"))), corpo + "\r\n");
    EXPECT_EQ(Trova<GrigliaTabella>(QStringLiteral("FgImporta"))->rowCount(), 1);
    EXPECT_EQ(Trova<QListWidget>(QStringLiteral("List4"))->item(0)->text(),
              QStringLiteral("Manca estrazione del: 31/01/2000"));

    ServerSemplice errore("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
    indirizzo = errore.Indirizzo();
    Clicca("CmdControlloAggiornamenti");
    ASSERT_EQ(dialoghi.Messaggi().size(), 1u);
    EXPECT_EQ(dialoghi.Messaggi()[0].testo,
              QStringLiteral(
                  "Attenzione qualcosa è andato strorto nella procedura Collegamento al sito"));
    EXPECT_EQ(dialoghi.Messaggi()[0].icona, Icona::Critica);
    // The reason goes to the list, below what was there.
    auto* list4 = Trova<QListWidget>(QStringLiteral("List4"));
    EXPECT_EQ(list4->item(list4->count() - 1)->text(),
              QStringLiteral("Motivo: il sito ha risposto con l'errore HTTP 500"));
    // The rows already loaded stay.
    EXPECT_EQ(Trova<GrigliaTabella>(QStringLiteral("FgImporta"))->rowCount(), 1);
}

TEST_F(FinestraArchivioTest, FinestraApertaSegueLArchivioRicaricato) {
    ServiziFinestra servizi;
    servizi.archivio = archivio.get();
    servizi.dialoghi = &dialoghi;
    FinestraMiniElenco mini(servizi);
    const auto pulsanti = mini.findChildren<QPushButton*>(QStringLiteral("Command42"));
    ASSERT_EQ(pulsanti.size(), 2);
    auto data = [&] { return test::Trova<QLabel>(&mini, QStringLiteral("LblData"))->text(); };
    // A draw added from the archive window while the mini list is open.
    Trova<QCalendarWidget>(QStringLiteral("MonthView1"))->setSelectedDate(QDate(2000, 2, 5));
    dialoghi.RispondiSi();
    Clicca("CmdSalva");
    ASSERT_EQ(archivio->TotEstrazioni, 31);
    // Reached by its index and by its date.
    dialoghi.Rispondi(QStringLiteral("31"));
    QTest::mouseClick(pulsanti[0], Qt::LeftButton);
    EXPECT_EQ(data(), QStringLiteral("05/02/2000"));
    dialoghi.Rispondi(QStringLiteral("1"));
    QTest::mouseClick(pulsanti[0], Qt::LeftButton);
    EXPECT_EQ(data(), QStringLiteral("01/01/2000"));
    dialoghi.Rispondi(QStringLiteral("05/02/2000"));
    QTest::mouseClick(pulsanti[1], Qt::LeftButton);
    EXPECT_EQ(data(), QStringLiteral("05/02/2000"));
}

TEST(MiniElenco, EstrazioneEColori) {
    auto a = std::make_unique<Archivio>();
    for (int i = 1; i <= 3; ++i) {
        a->DateEstrazioni[static_cast<std::size_t>(i)] = "0" + std::to_string(i) + "/02/2000";
        for (int w = 0; w < 10; ++w) {
            for (int p = 1; p <= 5; ++p) {
                a->Estratti(i, w, p) = static_cast<std::int16_t>(w * 5 + p + i);
            }
        }
    }
    a->TotEstrazioni = 3;
    a->NumEstrazioniAnalisi = 3;
    a->CalcolaProgressivi();
    a->ModelloIdentita();
    DialoghiScriptati dialoghi;
    ServiziFinestra servizi;
    servizi.archivio = a.get();
    servizi.dialoghi = &dialoghi;
    FinestraMiniElenco m(servizi);
    auto* g = test::Trova<QTableWidget>(&m, QStringLiteral("FgMini"));
    EXPECT_EQ(test::Trova<QLabel>(&m, QStringLiteral("LblData"))->text(),
              QStringLiteral("03/02/2000"));
    EXPECT_EQ(test::Trova<QLabel>(&m, QStringLiteral("LblProgressivi"))->text(),
              QStringLiteral("PM=3   PA=3"));
    EXPECT_EQ(g->item(0, 0)->text(), QStringLiteral("BA"));
    EXPECT_EQ(g->item(0, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(g->item(10, 3)->text(), QStringLiteral("0")); // no Nazionale
    m.Clic(2, 3);
    EXPECT_EQ(g->item(2, 3)->background().color(), ColoreEvidenziaMini());
    m.Clic(2, 3);
    EXPECT_EQ(g->item(2, 3)->background().color(), QColor(Qt::white));
    m.Clic(2, 3);
    test::Clicca(&m, QStringLiteral("CmdResetta"));
    EXPECT_EQ(g->item(2, 3)->background().color(), QColor(Qt::white));
    dialoghi.Rispondi(QStringLiteral("1"));
    test::Clicca(&m, QStringLiteral("Command42"));
    EXPECT_EQ(test::Trova<QLabel>(&m, QStringLiteral("LblIndice"))->text(), QStringLiteral("1"));
    EXPECT_EQ(g->item(0, 1)->text(), QStringLiteral("2"));
}

} // namespace
} // namespace strovel
