#pragma once
// The windows beside the calculation dialogs: "Verläufe" (shear, moment and deflection lines of
// the bending cases, and of the general beam as envelopes over the patterns of its variable
// loads), "Knickspannungslinie" (the buckling curve) and the "Rechenweg" (the last calculation
// step by step) that all of them carry, the shear dialog's as its only page.
//
// The dialogs hand over what they computed, right after computing: the steps their formulas
// recorded and, through the shared calculation state, the inputs. Each window exists once,
// is modeless, and an open one shows a new calculation at once. The same drawing goes into the
// window, a PNG, a PDF and onto the printer (with the report pages of U_druck).
#include "core/calc/Rechenweg.h"
#include "gui/calc/Diagramme.h"
#include "gui/report/Zusatzseiten.h"

#include <QDialog>
#include <optional>

class QChartView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace U_verlauf {

enum class Art { Biegung, Knickung, Scherung, Traeger };

// What the last calculation of a dialog left for its window and its report pages.
struct Stand {
    Rechenweg::Protokoll protokoll;
    Diagramme::Biegedaten biegung; // Art::Biegung
    Knickspannungslinie::Daten knickung; // Art::Knickung
    Diagramme::Traegerdaten traeger; // Art::Traeger
    bool gerechnet = false;
    bool gelungen = false; // the last calculation ran to its end
    int version = 0; // counts the calculations handed over, so a window redraws only what is new
    const QWidget* dialog = nullptr; // whose calculation it is (the two bending dialogs share one window)
};
const Stand& stand(Art art);

// Called by a dialog after each calculation: the steps recorded under the heading `teil` (a
// failed calculation keeps its steps up to the failure and says so), the inputs from the
// shared state. Updates the open window.
// `eigengewicht`: the self-weight line load in N/m the calculation included (0: none).
void Biegung_Gerechnet(
    const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen, double eigengewicht = 0);
void Knickung_Gerechnet(const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen,
    const std::optional<Knickspannungslinie::Daten>& daten);
void Scherung_Gerechnet(const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen);
// The general beam computes in one go: its record and result with their steps; the verdict
// lines of its result (with whether the self-weight was included) come first as "Nachweis".
void Traeger_Gerechnet(const QWidget* dialog, const QString& titel, const Diagramme::Traegerdaten& daten);

// Called by a dialog after it has shown its verdict lines (those of its record): they become the
// first part "Nachweis" of the steps in its window, as on the report. A new calculation drops
// them until the dialog shows its verdicts again.
void Nachweise_Zeigen(Art art, const QStringList& zeilen);

// Called by a dialog whose results are cleared: the window of `art` no longer shows the
// diagrams, steps and verdicts of its last calculation, when that was this dialog's.
void Leeren(Art art, const QWidget* dialog);

// Records the steps of one calculation while it lives and hands them to the window of `art`
// when it ends (a handler may leave at several places). `gelungen` and, for buckling, `knickung`
// are set by the handler as it goes.
class Aufnahme {
public:
    Aufnahme(Art art, QWidget* dialog, QString teil);
    ~Aufnahme();
    Aufnahme(const Aufnahme&) = delete;
    Aufnahme& operator=(const Aufnahme&) = delete;
    // A line of the steps that the dialog itself decides (a branch, a verdict).
    void notieren(const QString& was, const QString& text);
    bool gelungen = false;
    std::optional<Knickspannungslinie::Daten> knickung;
    double eigengewicht = 0; // bending: the self-weight line load included, N/m

private:
    Art m_art;
    QWidget* m_dialog;
    QString m_teil;
    Rechenweg::Aufzeichnung m_aufzeichnung;
};

// Shows the window of `art` (created on first use as a child window of `dialog`'s parent).
void Zeigen(Art art, QWidget* dialog);

// The page drawing of the window, for PNG, PDF and the report: diagrams or buckling curve;
// nothing for shear.
void Block_Zeichnen(Art art, QPainter& maler, const QRectF& rechteck);
bool hatBlock(Art art);
// The report pages after the first: the diagrams and the steps of the last calculation.
Zusatzseiten::Inhalt Zusatzinhalt(Art art);
// Before a report: asks for the head of its further pages; those pages, or none when the user
// cancelled (then nothing is printed).
std::optional<Zusatzseiten::Inhalt> Berichtsseiten(Art art, QWidget* dialog);

} // namespace U_verlauf

class TDLG_Verlaeufe : public QDialog {
    Q_OBJECT
public:
    TDLG_Verlaeufe(U_verlauf::Art art, QWidget* eltern);
    ~TDLG_Verlaeufe() override;

    // Shows the state of the last calculation (nothing to do when it shows it already).
    void Auffrischen();
    // The outputs without a file dialog (the buttons ask for the file first); a name without an
    // extension gets ".pdf" or ".png". They return the name of the file written.
    QString Als_PDF_Speichern(const QString& datei);
    QString Als_PNG_Speichern(const QString& datei);
    void B_PDFClick();
    void B_PNGClick();
    void B_DruckenClick();

    QTabWidget* TC_Verlaeufe = nullptr;
    QLabel* L_Skizze = nullptr;
    QChartView* CV_Querkraft = nullptr;
    QChartView* CV_Moment = nullptr;
    QChartView* CV_Durchbiegung = nullptr;
    QChartView* CV_Knicklinie = nullptr;
    QLabel* L_Hinweis = nullptr; // why a diagram is missing, or the region of the column
    QLabel* L_Zeiger = nullptr; // the values under the mouse pointer
    QPlainTextEdit* M_Rechenweg = nullptr;
    QPushButton* B_PDF = nullptr;
    QPushButton* B_PNG = nullptr;
    QPushButton* B_Drucken = nullptr;
    QPushButton* B_Schliessen = nullptr;

private:
    void Aufbauen();
    void Zeiger(double x);
    void Traeger_Auffrischen(const U_verlauf::Stand& s);
    void ChartSetzen(QChartView* ansicht, class QChart* chart);
    void Buendig();

    U_verlauf::Art m_art;
    bool m_beimAusrichten = false;
    int m_version = -1;
    std::optional<Biegelinien::Linien> m_linien;
};
