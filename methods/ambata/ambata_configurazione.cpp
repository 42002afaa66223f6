#include "methods/ambata/ambata_configurazione.h"

#include "core/archivio.h"
#include "core/ruote.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace strovel {

namespace {

template <std::size_t N> QString Flag(const std::array<bool, N>& v) {
    QString s;
    for (const bool b : v) {
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    }
    return s;
}

template <std::size_t N> bool DaFlag(const QString& s, std::array<bool, N>& v) {
    if (s.size() != static_cast<qsizetype>(N)) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        v[i] = s[static_cast<qsizetype>(i)] != QLatin1Char('0');
    }
    return true;
}

bool DaLista(const QString& testo, const ListaValori& lista, int& valore) {
    bool ok = false;
    const int v = testo.trimmed().toInt(&ok);
    if (!ok || !lista.Ammesso(v)) {
        return false;
    }
    valore = v;
    return true;
}

} // namespace

int LeggiSpia(std::string_view testo) {
    std::size_t i = 0;
    while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t')) {
        ++i;
    }
    std::string numero;
    bool punto = false;
    while (i < testo.size() && numero.size() < 12 &&
           ((testo[i] >= '0' && testo[i] <= '9') || (testo[i] == '.' && !punto))) {
        punto = punto || testo[i] == '.';
        numero += testo[i];
        ++i;
    }
    if (numero.empty() || numero == ".") {
        return 0;
    }
    return static_cast<int>(std::lround(std::strtod(numero.c_str(), nullptr)));
}

std::optional<int> SpiaAmmessa(std::string_view testo) {
    while (!testo.empty() && (testo.front() == ' ' || testo.front() == '\t')) {
        testo.remove_prefix(1);
    }
    while (!testo.empty() && (testo.back() == ' ' || testo.back() == '\t')) {
        testo.remove_suffix(1);
    }
    int punti = 0;
    int cifre = 0;
    for (const char c : testo) {
        punti += c == '.' ? 1 : 0;
        cifre += c >= '0' && c <= '9' ? 1 : 0;
    }
    if (cifre == 0 || punti > 1 || cifre + punti != static_cast<int>(testo.size())) {
        return std::nullopt;
    }
    const int spia = LeggiSpia(testo);
    if (spia < 1 || spia > 90) {
        return std::nullopt;
    }
    return spia;
}

int StessaEstrazione(const Archivio& da, int k, const Archivio& in) {
    if (&da == &in) {
        return k >= 1 && k <= in.TotEstrazioni ? k : 0;
    }
    if (k < 1 || k > da.TotEstrazioni) {
        return 0;
    }
    const std::string& data = da.DateEstrazioni[static_cast<std::size_t>(k)];
    for (int i = 1; i <= in.TotEstrazioni; ++i) {
        if (in.DateEstrazioni[static_cast<std::size_t>(i)] == data) {
            return i;
        }
    }
    return 0;
}

ConfigurazioneAmbata Configurazione(const QString& nome, const StatoAmbata& s) {
    const ParametriAmbata& p = s.parametri;
    ConfigurazioneAmbata c;
    c.denominazione = nome;
    c.estrazione = p.fine;
    c.ruotericavo = Flag(p.rilevazione);
    c.ruotegioco = Flag(p.gioco);
    c.posizioni = Flag(p.posizioni);
    c.numerospia = s.spia;
    c.presenze = QString::number(p.presenze);
    c.colpi = QString::number(p.colpi);
    std::array<bool, 5> matrice{};
    if (s.matrice >= 1 && s.matrice <= 5) {
        matrice[static_cast<std::size_t>(s.matrice - 1)] = true;
    }
    c.matrice = Flag(matrice);
    c.utilizzasomme = p.somme ? QStringLiteral("1") : QStringLiteral("0");
    for (const Riferimento& r : p.riferimenti) {
        c.righe << QString::fromStdString(Sigla(r.ruota)) + QString::number(r.posizione);
    }
    return c;
}

std::optional<StatoAmbata> StatoDaConfigurazione(const ConfigurazioneAmbata& c, const Archivio& a) {
    StatoAmbata s;
    ParametriAmbata& p = s.parametri;
    std::array<bool, 5> matrice{};
    if (c.estrazione < 1 || c.estrazione > a.TotEstrazioni ||
        !DaFlag(c.ruotericavo, p.rilevazione) || !DaFlag(c.ruotegioco, p.gioco) ||
        !DaFlag(c.posizioni, p.posizioni) || !DaFlag(c.matrice, matrice) ||
        !DaLista(c.presenze, liste_casi::Presenze, p.presenze) ||
        !DaLista(c.colpi, liste_casi::Colpi, p.colpi)) {
        return std::nullopt;
    }
    p.fine = static_cast<int>(c.estrazione);
    s.spia = c.numerospia;
    p.spia = LeggiSpia(c.numerospia.toStdString());
    if (p.spia < 1 || p.spia > 90) {
        return std::nullopt;
    }
    s.matrice = 0;
    for (int j = 5; j >= 1; --j) {
        if (matrice[static_cast<std::size_t>(j - 1)]) {
            s.matrice = j;
        }
    }
    p.somme = c.utilizzasomme.trimmed() != QStringLiteral("0") &&
              !c.utilizzasomme.trimmed().isEmpty() &&
              c.utilizzasomme.compare(QStringLiteral("False"), Qt::CaseInsensitive) != 0;
    // Reference rows in order while the last character is a position above 0.
    p.riferimenti.clear();
    for (const QString& riga : c.righe) {
        const int posizione = riga.isEmpty() ? 0 : riga.right(1).toInt();
        if (posizione <= 0) {
            break;
        }
        std::string codice = riga.left(2).toStdString();
        const int r = CercaRuota(codice);
        if (r < 0 || posizione > 5 || riga.size() != 3) {
            return std::nullopt;
        }
        p.riferimenti.push_back({r, posizione});
    }
    if (p.riferimenti.empty()) {
        return std::nullopt;
    }
    if (s.matrice == 0) {
        s.matrice = static_cast<int>(p.riferimenti.size());
    }
    return s;
}

} // namespace strovel
