#include "core/tabella.h"
#include "tests/gui/aiuti.h"
#include "tests/support/supporto.h"
#include "ui/dialoghi.h"
#include "ui/divisore_pannelli.h"
#include "ui/griglia.h"
#include "ui/griglia_selezione.h"
#include "ui/menu_griglia.h"
#include "ui/selezioni_metodo.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace strovel {
namespace {

void ClickCella(GrigliaSelezione& g, int riga, int colonna) {
    const QRect r = g.visualItemRect(g.item(riga, colonna));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
}

TEST(GrigliaSelezione, ClickCommutaVerdeEBianco) {
    GrigliaSelezione g;
    g.Imposta({QStringLiteral("BA"), QStringLiteral("CA"), QStringLiteral("FI"),
               QStringLiteral("GE"), QStringLiteral("MI")},
              2);
    g.resize(300, 200);
    g.show();
    ASSERT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.Selezione(), std::vector<bool>(5, false));
    ClickCella(g, 1, 1); // GE
    EXPECT_EQ(g.Selezione(), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(g.item(1, 1)->background().color(), QColor(0, 255, 0));
    ClickCella(g, 1, 1);
    EXPECT_EQ(g.item(1, 1)->background().color(), QColor(255, 255, 255));
    EXPECT_FALSE(g.Selezionata(3));
    g.SelezionaTutti();
    EXPECT_EQ(g.Selezione(), std::vector<bool>(5, true));
    g.Deseleziona();
    EXPECT_EQ(g.Selezione(), std::vector<bool>(5, false));
    // The state is the background: a cell painted green by other code counts as selected.
    g.item(0, 0)->setBackground(QColor(0, 255, 0));
    EXPECT_TRUE(g.Selezionata(0));
    // The empty cell of the last row is not an item.
    g.Commuta(5);
    EXPECT_EQ(g.Selezione().size(), 5u);
}

TEST(MostraTabella, BarraAccantoAlTesto) {
    // A full bar leaves its figure readable: none of its colour under the text.
    Tabella t("Val|Percentuale");
    t.AggiungiRiga({"11", "73.3"})[1].stile.barra = Barra{1000, Colore{255, 0, 0}};
    GrigliaTabella g;
    MostraTabella(&g, t);
    g.show();
    const QRect cella = g.visualRect(test::Indice(&g, 0, 1));
    const QImage immagine = g.viewport()->grab().toImage();
    const int y = cella.center().y();
    EXPECT_EQ(immagine.pixelColor(cella.left() + 3, y), QColor(255, 0, 0));
    const int testo = g.fontMetrics().horizontalAdvance(QStringLiteral("73.3"));
    for (int x = cella.right() - 4 - testo; x < cella.right() - 4; ++x) {
        EXPECT_NE(immagine.pixelColor(x, y), QColor(255, 0, 0)) << x;
    }
}

TEST(MostraTabella, NessunTestoTagliato) {
    // The header's blanks ask for five characters; the texts are longer, and the widest is not
    // the longest ("Ambi in 4" beside "Terni in 4"). Every text fits its column whole.
    Tabella t("Esito|Casi");
    for (const char* esito : {"Ambate", "Ambi in 4", "Terni in 4", "Quaterne", "WWWWWWW"}) {
        t.AggiungiRiga({esito, "1"});
    }
    GrigliaTabella g;
    MostraTabella(&g, t);
    g.show();
    for (int r = 0; r < g.rowCount(); ++r) {
        QStyleOptionViewItem opzione;
        opzione.initFrom(&g);
        EXPECT_LE(g.itemDelegate()->sizeHint(opzione, test::Indice(&g, r, 0)).width(),
                  g.columnWidth(0))
            << g.Testo(r, 0).toStdString();
    }
}

TEST(MostraTabella, IntestazioniTestiESegni) {
    Tabella t("Data estraz |Bari|Nota");
    auto& r = t.AggiungiRiga({"03/01/2023", "01-02-03-04-05", "x"});
    r[0].stile.segno = Segno::DaImportare;
    r[1].stile.segno = Segno::Uguale;
    auto& r2 = t.AggiungiRiga({"05/01/2023", "06-07-08-09-10", ""});
    r2[0].stile.segno = Segno::ConErrori;
    r2[2].stile.sfondo = Colore{1, 2, 3};
    r2[2].stile.grassetto = true;
    t.larghezze = {0, 0, 30};
    GrigliaTabella g;
    MostraTabella(&g, t);
    g.setColumnHidden(1, true);
    MostraTabella(&g, t);
    ASSERT_EQ(g.columnCount(), 3);
    ASSERT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.Intestazione(0), QStringLiteral("Data estraz "));
    EXPECT_EQ(g.Testo(0, 1), QStringLiteral("01-02-03-04-05"));
    EXPECT_EQ(test::Sfondo(&g, 0, 0), QColor(255, 192, 128));
    EXPECT_EQ(test::Sfondo(&g, 0, 1), QColor(128, 255, 128));
    EXPECT_EQ(test::ColoreTesto(&g, 1, 0), QColor(255, 0, 0));
    EXPECT_TRUE(test::Grassetto(&g, 1, 0));
    EXPECT_FALSE(test::Sfondo(&g, 1, 1).isValid());
    EXPECT_EQ(test::Sfondo(&g, 1, 2), QColor(1, 2, 3));
    EXPECT_TRUE(test::Grassetto(&g, 1, 2));
    EXPECT_FALSE(test::Grassetto(&g, 0, 1));
    EXPECT_TRUE(g.Testo(5, 0).isEmpty()); // outside the grid
    EXPECT_GT(g.columnWidth(2), g.columnWidth(0));
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(g.isColumnHidden(1)); // a column the window hid stays hidden
    // A click on a cell tells the window its row and column.
    g.show();
    int rigaCliccata = -1;
    int colonnaCliccata = -1;
    QObject::connect(&g, &GrigliaTabella::cellClicked, [&](int riga, int colonna) {
        rigaCliccata = riga;
        colonnaCliccata = colonna;
    });
    test::CliccaCella(&g, 1, 2);
    EXPECT_EQ(rigaCliccata, 1);
    EXPECT_EQ(colonnaCliccata, 2);
    // A second run replaces the first; emptying keeps the titles.
    MostraTabella(&g, Tabella("Solo"));
    EXPECT_EQ(g.columnCount(), 1);
    EXPECT_EQ(g.rowCount(), 0);
    MostraTabella(&g, t);
    g.Svuota();
    EXPECT_EQ(g.rowCount(), 0);
    EXPECT_EQ(g.Intestazione(2), QStringLiteral("Nota"));
}

TEST(MenuGriglia, CopiaSalvaCsvEImmagine) {
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Strovel: Modulo 2"));
    auto* schede = new QTabWidget(&finestra);
    auto* pagina = new QWidget();
    schede->addTab(pagina, QStringLiteral("Cicli"));
    GrigliaTabella* g = CreaGrigliaRisultati(pagina, QStringLiteral("FgProva"), "N|Nome|Nota");
    Tabella t("N|Nome|Nota");
    t.AggiungiRiga({"1", "Bari", "uno, due"});
    t.AggiungiRiga({"2", "Cagliari \"CA\"", ""});
    MostraTabella(g, t);
    finestra.show();
    QStringList voci;
    for (const QAction* a : g->actions()) {
        voci << a->text();
    }
    EXPECT_EQ(voci, (QStringList{QStringLiteral("Copia tabella"), QStringLiteral("Salva come CSV…"),
                                 QStringLiteral("Salva come immagine…")}));
    EXPECT_EQ(g->contextMenuPolicy(), Qt::CustomContextMenu);

    // Copied as it shows, header first; a hidden column stays out.
    g->actions()[0]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), t.Tsv());
    g->setColumnHidden(2, true);
    CopiaGriglia(g);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("N\tNome\n1\tBari\n2\tCagliari \"CA\"\n"));
    g->setColumnHidden(2, false);

    // Saved where the user says; nothing without an answer; a folder that does not exist gets a
    // message.
    QTemporaryDir cartella;
    DialoghiScriptati dialoghi;
    ImpostaDialoghiGriglie(&dialoghi);
    EXPECT_FALSE(SalvaGrigliaCsv(g));
    ASSERT_EQ(dialoghi.Mostrati().size(), 1u);
    // The name a player recognises: the window, the tab and the day.
    EXPECT_EQ(dialoghi.Mostrati()[0].file.nomeFile,
              QStringLiteral("Strovel_Modulo_2_Cicli_") +
                  QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
                  QStringLiteral(".csv"));
    const QString csv = cartella.filePath(QStringLiteral("prova.csv"));
    dialoghi.Rispondi(csv);
    EXPECT_TRUE(SalvaGrigliaCsv(g));
    EXPECT_EQ(test::LeggiFile(csv).toStdString(), t.Csv());
    dialoghi.Rispondi(cartella.filePath(QStringLiteral("manca/prova.csv")));
    EXPECT_FALSE(SalvaGrigliaCsv(g));
    EXPECT_TRUE(dialoghi.Messaggi().back().testo.startsWith(
        QStringLiteral("Impossibile scrivere il file")));
    const QString png = cartella.filePath(QStringLiteral("prova.png"));
    dialoghi.Rispondi(png);
    EXPECT_TRUE(SalvaGrigliaImmagine(g));
    EXPECT_EQ(QImage(png).size(), g->size());
    ImpostaDialoghiGriglie(nullptr);

    // On a cell holding a Lotto number, the delay chart of that number, when the program
    // offers it.
    const QPoint numero = test::CentroCella(g, 1, 0);
    const QPoint testo = test::CentroCella(g, 1, 1);
    std::unique_ptr<QMenu> menu(MenuGriglia(g, numero));
    EXPECT_EQ(menu->actions().size(), 3);
    int aperto = 0;
    ImpostaGraficoRitardi([&](QWidget* origine, int n) {
        EXPECT_EQ(origine, g);
        aperto = n;
    });
    menu.reset(MenuGriglia(g, numero));
    ASSERT_EQ(menu->actions().size(), 5); // with a separator
    EXPECT_EQ(menu->actions()[4]->text(), QStringLiteral("Grafico dei ritardi di 2"));
    menu->actions()[4]->trigger();
    EXPECT_EQ(aperto, 2);
    menu.reset(MenuGriglia(g, testo));
    EXPECT_EQ(menu->actions().size(), 3);
    ImpostaGraficoRitardi(nullptr);
}

TEST(DialoghiQt, DomandaConRispostaProposta) {
    // The real question box proposes the answer asked for: Enter gives it.
    DialoghiQt dialoghi;
    for (const Predefinito p : {Predefinito::Si, Predefinito::No}) {
        QString proposta;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            proposta = box->defaultButton()->text();
            box->defaultButton()->click();
        });
        const bool si =
            dialoghi.Domanda(nullptr, QStringLiteral("Titolo"), QStringLiteral("Testo"), p);
        EXPECT_EQ(proposta, p == Predefinito::Si ? QStringLiteral("Sì") : QStringLiteral("No"));
        EXPECT_EQ(si, p == Predefinito::Si);
    }
}

TEST(DialoghiQt, FileEsclusiNonElencati) {
    QStringListModel nomi({QStringLiteral("Archivio.mdb"), QStringLiteral("dbstrovel.MDB"),
                           QStringLiteral("Altro.mdb")});
    QSortFilterProxyModel* filtro = ModelloSenzaEsclusi({QStringLiteral("DbStrovel.mdb")}, &nomi);
    filtro->setSourceModel(&nomi);
    ASSERT_EQ(filtro->rowCount(), 2);
    EXPECT_EQ(filtro->index(0, 0).data().toString(), QStringLiteral("Archivio.mdb"));
    EXPECT_EQ(filtro->index(1, 0).data().toString(), QStringLiteral("Altro.mdb"));
}

} // namespace
} // namespace strovel

namespace strovel {
namespace {

TEST(DivisorePannelli, ControlliAlPiuAllaMetaFinoAUnoSpostamento) {
    // Controls that would like more than half of a small window.
    auto* controlli = new QLabel(QString(150, QLatin1Char('x')));
    ASSERT_GT(controlli->sizeHint().width(), 700);
    auto* risultati = new QWidget();
    DivisorePannelli d(controlli, risultati);
    d.resize(1600, 600);
    d.show();
    QApplication::processEvents();
    EXPECT_LE(d.sizes()[0], 1600 / 2 + 1);
    EXPECT_GE(d.sizes()[0], 1600 / 2 - 1);
    // Made smaller (a window maximized on a small screen): the rule holds again.
    d.resize(1000, 600);
    QApplication::processEvents();
    EXPECT_LE(d.sizes()[0], 1000 / 2 + 1);
    EXPECT_GE(d.sizes()[1], 490);
    // After the user moves the divider, resizing keeps their choice.
    d.setSizes({300, 700});
    Q_EMIT d.splitterMoved(300, 1);
    d.resize(1200, 600);
    QApplication::processEvents();
    EXPECT_NEAR(d.sizes()[0], 300, 60);
}

} // namespace
} // namespace strovel
