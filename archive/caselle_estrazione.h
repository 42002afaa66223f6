#pragma once
// The 55 entry boxes of a draw (11 wheels x 5 positions) with their keyboard behaviour.

#include <QLineEdit>
#include <QWidget>

#include <array>

namespace strovel {

class CaselleEstrazione;

/// Box k (1..55): wheel (k - 1) / 5, position (k - 1) % 5 + 1.
class CasellaNumero : public QLineEdit {
    Q_OBJECT
public:
    CasellaNumero(int numero, CaselleEstrazione* gruppo, QWidget* padre);
    int Numero() const { return numero_; }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Controlla(const QString& testo);
    int numero_;
    CaselleEstrazione* gruppo_;
};

class CaselleEstrazione : public QWidget {
    Q_OBJECT
public:
    explicit CaselleEstrazione(QWidget* padre = nullptr);

    CasellaNumero* Casella(int numero) const {
        return caselle_[static_cast<std::size_t>(numero - 1)];
    }
    /// The wheel text as stored: the five boxes of wheel w joined by "-".
    QString TestoRuota(int ruota) const;
    /// Fills the boxes with the numbers, two digits each ("00" for a missing one).
    void Imposta(const std::array<int, 55>& numeri);
    void Azzera();
    /// Moves the focus to box `numero` (1..55).
    void Vai(int numero);

private:
    std::array<CasellaNumero*, 55> caselle_{};
};

/// Where a cursor key leads from box k, wrapping within the row (left, right) or the column
/// (up, down); 0 for other keys.
int CasellaVicina(int k, int tasto);

} // namespace strovel
