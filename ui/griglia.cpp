#include "ui/griglia.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace strovel {

namespace {

/// Paints a cell's proportional bar beside its text: the text keeps the right end of the cell,
/// the bar fills the room left of it, so a long bar never covers the figure it stands for.
class DelegatoBarre : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pittore, const QStyleOptionViewItem& opzioni,
               const QModelIndex& indice) const override {
        const QVariant permille = indice.data(RuoloBarra);
        if (!permille.isValid()) {
            QStyledItemDelegate::paint(pittore, opzioni, indice);
            return;
        }
        QStyleOptionViewItem o = opzioni;
        initStyleOption(&o, indice);
        const QVariant sfondo = indice.data(Qt::BackgroundRole);
        pittore->fillRect(o.rect, sfondo.isValid() ? sfondo.value<QBrush>() : QBrush(Qt::white));
        const int margine = 4;
        // The text takes the right end of the cell; the bar's full length is the room before it.
        const int inizioTesto =
            o.rect.right() - QFontMetrics(o.font).horizontalAdvance(o.text) - 2 * margine;
        QRect barra = o.rect.adjusted(1, 2, 0, -2);
        const int spazio = std::max(0, inizioTesto - barra.left());
        barra.setWidth(spazio * std::clamp(permille.toInt(), 0, 1000) / 1000);
        if (barra.width() > 0) {
            pittore->fillRect(barra, indice.data(RuoloColoreBarra).value<QColor>());
        }
        pittore->save();
        const QVariant colore = indice.data(Qt::ForegroundRole);
        pittore->setPen(colore.isValid() ? colore.value<QBrush>().color()
                                         : o.palette.color(QPalette::Text));
        pittore->setFont(o.font);
        pittore->drawText(o.rect.adjusted(margine, 0, -margine, 0),
                          Qt::AlignVCenter | Qt::AlignRight, o.text);
        pittore->restore();
    }
};

QFont Grassetto() {
    QFont f;
    f.setBold(true);
    return f;
}

} // namespace

std::optional<Colore> SfondoDelSegno(Segno segno) {
    switch (segno) {
    case Segno::Selezionato:
        return ColoreSelezione;
    case Segno::DaImportare:
        return ColoreArancioChiaro;
    case Segno::Uguale:
        return ColoreVerdeChiaro;
    case Segno::CicloNegativo:
        return ColoreRossoChiaro;
    case Segno::Malformato:
        return ColoreMalformato;
    case Segno::ConErrori:
    case Segno::Nessuno:
        break;
    }
    return std::nullopt;
}

std::optional<Colore> TestoDelSegno(Segno segno) {
    if (segno == Segno::ConErrori) {
        return ColoreRosso;
    }
    return std::nullopt;
}

void ModelloTabella::Imposta(Tabella tabella) {
    beginResetModel();
    tabella_ = std::move(tabella);
    endResetModel();
}

int ModelloTabella::rowCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : static_cast<int>(tabella_.righe.size());
}

int ModelloTabella::columnCount(const QModelIndex& padre) const {
    return padre.isValid() ? 0 : tabella_.Colonne();
}

const Cella* ModelloTabella::CellaA(int riga, int colonna) const {
    if (riga < 0 || colonna < 0 || riga >= static_cast<int>(tabella_.righe.size())) {
        return nullptr;
    }
    const auto& r = tabella_.righe[static_cast<std::size_t>(riga)];
    return colonna < static_cast<int>(r.size()) ? &r[static_cast<std::size_t>(colonna)] : nullptr;
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const {
    const Cella* cella = CellaA(indice.row(), indice.column());
    if (cella == nullptr) {
        return {};
    }
    const StileCella& s = cella->stile;
    switch (ruolo) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(cella->testo);
    case Qt::BackgroundRole:
        if (const auto c = s.sfondo ? s.sfondo : SfondoDelSegno(s.segno)) {
            return QBrush(ColoreQt(*c));
        }
        return {};
    case Qt::ForegroundRole:
        if (const auto c = s.testo ? s.testo : TestoDelSegno(s.segno)) {
            return QBrush(ColoreQt(*c));
        }
        return {};
    case Qt::FontRole:
        if (s.grassetto || s.segno == Segno::ConErrori) {
            static const QFont grassetto = Grassetto();
            return grassetto;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (s.centrato) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        }
        return {};
    case RuoloBarra:
        return s.barra ? QVariant(s.barra->permille) : QVariant();
    case RuoloColoreBarra:
        return s.barra ? QVariant(ColoreQt(s.barra->colore)) : QVariant();
    default:
        return {};
    }
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (orientamento == Qt::Vertical) {
        return ruolo == Qt::DisplayRole ? QVariant(sezione + 1) : QVariant();
    }
    if (sezione < 0 || sezione >= tabella_.Colonne()) {
        return {};
    }
    const auto i = static_cast<std::size_t>(sezione);
    if (ruolo == Qt::DisplayRole || ruolo == Qt::AccessibleTextRole) {
        return QString::fromStdString(tabella_.intestazioni[i]);
    }
    if (ruolo == Qt::BackgroundRole && i < tabella_.sfondiIntestazioni.size() &&
        tabella_.sfondiIntestazioni[i]) {
        return QBrush(ColoreQt(*tabella_.sfondiIntestazioni[i]));
    }
    return {};
}

GrigliaTabella::GrigliaTabella(QWidget* padre)
    : QTableView(padre), modello_(new ModelloTabella(this)) {
    setModel(modello_);
    setItemDelegate(new DelegatoBarre(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& i) { Q_EMIT cellClicked(i.row(), i.column()); });
}

void GrigliaTabella::Mostra(Tabella tabella) {
    setUpdatesEnabled(false);
    // A reset forgets hidden sections: the window's hidden columns are laid again after it.
    std::vector<int> nascoste;
    for (int c = 0; c < columnCount(); ++c) {
        if (isColumnHidden(c)) {
            nascoste.push_back(c);
        }
    }
    const std::vector<int> larghezze = tabella.larghezze;
    const int colonne = tabella.Colonne();
    modello_->Imposta(std::move(tabella));
    for (const int c : nascoste) {
        if (c < colonne) {
            setColumnHidden(c, true);
        }
    }
    const int carattere = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const std::vector<int> contenuto = LarghezzeContenuto();
    for (int c = 0; c < colonne; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const int larghezza = i < larghezze.size() ? larghezze[i] : 0;
        // The header's blanks give the width, widened where a text is longer: no cell is cut.
        setColumnWidth(c, larghezza > 0 ? std::max(larghezza * carattere + 12, contenuto[i])
                                        : contenuto[i]);
    }
    setUpdatesEnabled(true);
}

std::vector<int> GrigliaTabella::LarghezzeContenuto() const {
    // Asking the delegate for every cell's size costs more than the grid itself on thousands of
    // rows: there only the longest texts of each column are measured. One pass over the rows
    // finds the longest length of every column.
    const Tabella& t = Dati();
    const auto colonne = static_cast<std::size_t>(t.Colonne());
    std::vector<std::size_t> lunghezza(colonne, 0);
    std::vector<bool> conBarra(colonne, false);
    for (const auto& riga : t.righe) {
        for (std::size_t c = 0; c < riga.size() && c < colonne; ++c) {
            lunghezza[c] = std::max(lunghezza[c], riga[c].testo.size());
            conBarra[c] = conBarra[c] || riga[c].stile.barra.has_value();
        }
    }
    // The longest texts are measured by the delegate that paints them, with its fonts and
    // margins, so no text is cut.
    QStyleOptionViewItem opzione;
    initViewItemOption(&opzione);
    const int griglia = showGrid() ? 1 : 0;
    std::vector<int> larghezze(colonne, 0);
    std::vector<int> misurate(colonne, 0);
    std::size_t daMisurare = 0; // columns with a text still to measure
    for (std::size_t c = 0; c < colonne; ++c) {
        daMisurare += lunghezza[c] > 0 ? 1 : 0;
    }
    const bool tutte = t.righe.size() <= 200;
    for (std::size_t r = 0; r < t.righe.size() && (tutte || daMisurare > 0); ++r) {
        const auto& riga = t.righe[r];
        for (std::size_t c = 0; c < riga.size() && c < colonne; ++c) {
            // A grid of a few rows has every text measured. In a longer one, where a proportional
            // font can make a shorter text wider ("Ambi in 4" and "Terni in 4"), the first 40
            // texts of at least three quarters of the longest length are.
            if (lunghezza[c] == 0 ||
                (!tutte && (riga[c].testo.size() * 4 < lunghezza[c] * 3 || misurate[c] == 40))) {
                continue;
            }
            const QModelIndex indice = modello_->index(static_cast<int>(r), static_cast<int>(c));
            larghezze[c] =
                std::max(larghezze[c], itemDelegate()->sizeHint(opzione, indice).width() + griglia);
            if (++misurate[c] == 40) {
                --daMisurare;
            }
        }
    }
    // A bar is drawn beside its text: room for a short one.
    for (std::size_t c = 0; c < colonne; ++c) {
        if (conBarra[c]) {
            larghezze[c] += 40;
        }
    }
    if (!horizontalHeader()->isHidden()) {
        for (std::size_t c = 0; c < colonne; ++c) {
            larghezze[c] =
                std::max(larghezze[c], horizontalHeader()->sectionSizeHint(static_cast<int>(c)));
        }
    }
    return larghezze;
}

void GrigliaTabella::Svuota() {
    Tabella vuota;
    vuota.intestazioni = Dati().intestazioni;
    vuota.larghezze = Dati().larghezze;
    vuota.sfondiIntestazioni = Dati().sfondiIntestazioni;
    Mostra(std::move(vuota));
}

QString GrigliaTabella::Testo(int riga, int colonna) const {
    return modello_->data(modello_->index(riga, colonna)).toString();
}

QString GrigliaTabella::Intestazione(int colonna) const {
    return modello_->headerData(colonna, Qt::Horizontal).toString();
}

int GrigliaTabella::PermilleBarra(int riga, int colonna) const {
    const QVariant v = modello_->data(modello_->index(riga, colonna), RuoloBarra);
    return v.isValid() ? v.toInt() : -1;
}

void GrigliaTabella::setCurrentCell(int riga, int colonna) {
    setCurrentIndex(modello_->index(riga, colonna));
}

void MostraTabella(GrigliaTabella* griglia, Tabella tabella) {
    griglia->Mostra(std::move(tabella));
}

} // namespace strovel
