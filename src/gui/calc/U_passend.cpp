#include "gui/calc/U_passend.h"

#include "core/app/Unit1.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Rechendialog.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace U_passend {

Plattform::Einmalfenster<TDLG_Passendes_Profil> DLG_Passendes_Profil;

namespace {

// A task without meaning is not searched: the user is told why instead of shown a list.
bool abgelehnt(const QString& grund)
{
    if (grund.isEmpty())
        return false;
    Plattform::fehler(QStringLiteral("Es wird kein Profil gesucht: %1").arg(grund));
    return true;
}

} // namespace

bool Biegung(const Profilsuche::Biegeaufgabe& aufgabe, const Eurocode::Biegeaufgabe& eurocode)
{
    return !abgelehnt(Profilsuche::Ablehnung(aufgabe)) && DLG_Passendes_Profil->Biegung_Zeigen(aufgabe, eurocode);
}

bool Knickung(const Profilsuche::Knickaufgabe& aufgabe, const Eurocode::Knickaufgabe& eurocode)
{
    return !abgelehnt(Profilsuche::Ablehnung(aufgabe)) && DLG_Passendes_Profil->Knickung_Zeigen(aufgabe, eurocode);
}

bool Traeger(const Traegersuche::Aufgabe& aufgabe) { return DLG_Passendes_Profil->Traeger_Zeigen(aufgabe); }

} // namespace U_passend

namespace {

using Plattform::handler;
using Zahlen::fixiert;

const QStringList Biegespalten {QStringLiteral("Profiltyp"), QStringLiteral("Profil"), QStringLiteral("Masse [kg/m]"),
    QStringLiteral("W [cm3]"), QStringLiteral("I [cm4]"), QStringLiteral("W erf. [cm3]"), QStringLiteral("f [mm]"),
    QStringLiteral("L/f"), QStringLiteral("maßg. Ausnutzung [%]")};
// The utilisation column shows the larger of the two checks, so that a profile held back by its
// deflection does not look half used.
const QString Ausnutzungshinweis = QStringLiteral(
    "Maßgebende Ausnutzung: die größere aus Biegung (|W erf.| / W) und Durchbiegung (f / (L/n), wenn eine Grenze gewählt ist)");
const QStringList Knickspalten {QStringLiteral("Profiltyp"), QStringLiteral("Profil"), QStringLiteral("Masse [kg/m]"),
    QStringLiteral("Imin [cm4]"), QStringLiteral("A [mm2]"), QStringLiteral("λ"), QStringLiteral("σK [N/mm2]"),
    QStringLiteral("Sicherheit"), QStringLiteral("Formel")};

QTableWidgetItem* zelle(const QString& text, bool zahl)
{
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (zahl)
        z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return z;
}

QStringList biegezeile(const Profilsuche::Kandidat& k, double L)
{
    const QString strich = QStringLiteral("–");
    return {k.art, k.name, fixiert(k.Masse, 2), fixiert(k.W, 2), fixiert(k.I, 2), fixiert(std::fabs(k.Werf), 2),
        k.mitF ? Biegerechnung::Durchbiegung_Text(k.f, 4) : strich,
        k.mitF && k.f != 0 && L > 0 ? fixiert(Biegerechnung::L_durch_f(L, k.f), 2) : strich, fixiert(k.Ausnutzung * 100.0, 1)};
}

QStringList knickzeile(const Profilsuche::Kandidat& k)
{
    return {k.art, k.name, fixiert(k.Masse, 2), fixiert(k.I, 2), fixiert(k.A, 2), fixiert(k.Schlankheitsgrad, 2),
        fixiert(k.Sigma_K, 2), fixiert(k.Sk, 2), k.tetmajer ? QStringLiteral("Tetmajer") : QStringLiteral("Euler")};
}

} // namespace

TDLG_Passendes_Profil::TDLG_Passendes_Profil(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Passendes_Profil"), QStringLiteral("Passendes Profil"), 992, 619);
    Aufbauen();
}

void TDLG_Passendes_Profil::Aufbauen()
{
    using namespace Bausteine;
    L_Aufgabe = label(this, QStringLiteral("L_Aufgabe"), QString(), 8, 8, 976, 54);
    L_Aufgabe->setWordWrap(true);
    L_Aufgabe->setIndent(4);
    hintergrund(L_Aufgabe, Gelb);

    auto* gruppe = new QGroupBox(QStringLiteral("Trägerausrichtung"), this);
    gruppe->setObjectName(QStringLiteral("GroupBox1"));
    gruppe->setGeometry(8, 68, 520, 88);
    RB_Optimal = new QRadioButton(QStringLiteral("Träger in optimaler Ausrichtung"), gruppe);
    RB_Optimal->setObjectName(QStringLiteral("RB_Optimal"));
    RB_Optimal->setGeometry(12, 26, 496, 26);
    RB_Optimal->setChecked(true);
    RB_Quer = new QRadioButton(QStringLiteral("Träger quer zur optimalen Ausrichtung"), gruppe);
    RB_Quer->setObjectName(QStringLiteral("RB_Quer"));
    RB_Quer->setGeometry(12, 54, 496, 26);

    label(this, QStringLiteral("L_Grenze"), QStringLiteral("Grenze der Durchbiegung L/f ≥"), 544, 82);
    CB_Grenze = Nachweiszeile::Grenzenwahl(this, QStringLiteral("CB_Grenze"), 844, 78, 140, 28);
    label(this, QStringLiteral("L_Kriterium"), QStringLiteral("Nachweis:"), 544, 124);
    CB_Kriterium = new QComboBox(this);
    CB_Kriterium->setObjectName(QStringLiteral("CB_Kriterium"));
    CB_Kriterium->setGeometry(644, 120, 340, 28);
    const QStringList kriterien {
        QStringLiteral("klassisch (zulässige Spannung, Knicksicherheit)"), QStringLiteral("nach DIN EN 1993-1-1")};
    CB_Kriterium->addItems(kriterien);
    schriftEinpassen(CB_Kriterium, kriterien);

    SG_Profile = new QTableWidget(this);
    SG_Profile->setObjectName(QStringLiteral("SG_Profile"));
    SG_Profile->setGeometry(8, 164, 976, 394);
    SG_Profile->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG_Profile->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_Profile->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_Profile->verticalHeader()->hide();

    B_Alle = knopf(this, QStringLiteral("B_Alle"), QStringLiteral("Alle passenden Profile zeigen"), 8, 566, 400, 44);
    B_Uebernehmen = knopf(this, QStringLiteral("B_Uebernehmen"), QStringLiteral("Übernehmen"), 604, 566, 184, 44);
    B_Schliessen
        = symbolknopf(this, QStringLiteral("B_Schliessen"), QStringLiteral("Schließen"), Symbol::Schliessen, 800, 566, 184, 44);

    connect(RB_Optimal, &QRadioButton::toggled, this, handler(this, &TDLG_Passendes_Profil::Suchen));
    connect(CB_Grenze, &QComboBox::currentIndexChanged, this, handler(this, &TDLG_Passendes_Profil::Suchen));
    connect(CB_Kriterium, &QComboBox::currentIndexChanged, this, handler(this, &TDLG_Passendes_Profil::Suchen));
    connect(B_Alle, &QPushButton::clicked, this, handler(this, &TDLG_Passendes_Profil::B_AlleClick));
    connect(B_Uebernehmen, &QPushButton::clicked, this, handler(this, &TDLG_Passendes_Profil::B_UebernehmenClick));
    connect(SG_Profile, &QTableWidget::cellDoubleClicked, this, handler(this, &TDLG_Passendes_Profil::B_UebernehmenClick));
    connect(B_Schliessen, &QPushButton::clicked, this, &QDialog::reject);
}

bool TDLG_Passendes_Profil::Biegung_Zeigen(const Profilsuche::Biegeaufgabe& aufgabe, const Eurocode::Biegeaufgabe& eurocode)
{
    m_biegung = aufgabe;
    m_ecBiegung = eurocode;
    m_traeger = false;
    // The search starts in the orientation the bending dialogs compute with.
    {
        const QSignalBlocker sperre(RB_Optimal);
        (Unit1::Biegeachse == Unit1::TProfilachse::Imin ? RB_Quer : RB_Optimal)->setChecked(true);
    }
    return Zeigen(false);
}

bool TDLG_Passendes_Profil::Knickung_Zeigen(const Profilsuche::Knickaufgabe& aufgabe, const Eurocode::Knickaufgabe& eurocode)
{
    m_knick = aufgabe;
    m_ecKnick = eurocode;
    m_ecKnick.fall = aufgabe.fall; // the inputs as typed, as the classic search takes them
    m_ecKnick.F = aufgabe.F;
    m_ecKnick.L = aufgabe.L;
    m_traeger = false;
    return Zeigen(true);
}

bool TDLG_Passendes_Profil::Traeger_Zeigen(const Traegersuche::Aufgabe& aufgabe)
{
    m_traegeraufgabe = aufgabe;
    m_traeger = true;
    {
        const QSignalBlocker sperre(RB_Optimal);
        (aufgabe.ausrichtung == Profilsuche::Ausrichtung::Quer ? RB_Quer : RB_Optimal)->setChecked(true);
    }
    return Zeigen(false);
}

// Buckling always takes the minor axis and has no deflection: no orientation, no limit.
bool TDLG_Passendes_Profil::Zeigen(bool knickung)
{
    m_knickung = knickung;
    m_alle = false;
    for (QWidget* w :
        std::initializer_list<QWidget*> {RB_Optimal->parentWidget(), CB_Grenze, findChild<QLabel*>(QStringLiteral("L_Grenze"))})
        w->setVisible(!knickung);
    // The criterion starts at the classic check each time; the general beam has its own choice.
    const int kriteriumY = knickung ? 70 : 120;
    QLabel* L_Kriterium = findChild<QLabel*>(QStringLiteral("L_Kriterium"));
    L_Kriterium->move(544, kriteriumY + 4);
    CB_Kriterium->move(644, kriteriumY);
    for (QWidget* w : std::initializer_list<QWidget*> {L_Kriterium, CB_Kriterium})
        w->setVisible(!m_traeger);
    {
        const QSignalBlocker sperre(CB_Kriterium);
        CB_Kriterium->setCurrentIndex(0);
    }
    SG_Profile->setGeometry(8, knickung ? 106 : 164, 976, knickung ? 452 : 394); // the list takes the free rows
    Nachweiszeile::Grenzenwahl_Auffrischen(CB_Grenze);
    Suchen();
    // The calling dialog computes with the profile taken at once; the finder's closing is no
    // return to it that would run its entry routine and clear those results.
    return Plattform::modalDazwischen(this) == QDialog::Accepted;
}

QString TDLG_Passendes_Profil::Aufgabentext() const
{
    using Unit1::Sorte;
    const QString gilt = m_alle ? QStringLiteral("Alle Profile, die halten, nach Masse sortiert")
                                : QStringLiteral("Je Profilart das leichteste Profil, das hält, nach Masse sortiert");
    if (m_knickung) {
        const auto& a = m_knick;
        if (nachEurocode())
            return QStringLiteral("Knickfall %1, F = %2 N, L = %3 mm, Werkstoff %4, mit Imin und der Knicklinie jedes "
                                  "Profils; N Ed ≤ N b,Rd = χ · A · fy / γM1 nach DIN EN 1993-1-1. %5.")
                .arg(QString::number(a.fall), fixiert(a.F, 2), fixiert(a.L, 2), Sorte, gilt);
        return QStringLiteral("Knickfall %1, F = %2 N, L = %3 mm, gewünschte Sicherheit %4, Werkstoff %5, mit Imin. %6.")
            .arg(QString::number(a.fall), fixiert(a.F, 2), fixiert(a.L, 2), fixiert(a.Sk_gewuenscht, 2), Sorte, gilt);
    }
    if (m_traeger) {
        const auto& t = m_traegeraufgabe.traeger;
        const QString traeger = QStringLiteral("Träger mit %1 Feld(ern) und %2 Last(en)")
                                    .arg(QString::number(t.felder.size()), QString::number(t.lasten.size()));
        const QString eigengewicht = t.eigengewicht ? QStringLiteral("mit Eigengewicht (jedes Profil mit seinem eigenen)")
                                                    : QStringLiteral("ohne Eigengewicht");
        if (m_traegeraufgabe.kriterium == Traegersuche::Kriterium::Eurocode)
            return QStringLiteral("%1, Werkstoff %2 (fy = %3 N/mm²), %4; M Ed ≤ M c,Rd = W · fy / γM0 (elastisch) nach "
                                  "DIN EN 1993-1-1%5. %6.")
                .arg(traeger, Sorte, fixiert(m_traegeraufgabe.werkstoff.fy, 2), eigengewicht,
                    t.grenze > 0 ? QStringLiteral(" und f char. ≤ L/%1 in jedem Feld (Kragarm: 2·L)").arg(t.grenze) : QString(),
                    gilt);
        return QStringLiteral("%1, σzul = %2 N/mm², Werkstoff %3, E = %4 N/mm², %5; W ≥ |W erf.|%6. %7.")
            .arg(traeger, fixiert(t.Sigma_Zul, 2), Sorte, fixiert(t.E, 2), eigengewicht,
                t.grenze > 0 ? QStringLiteral(" und f ≤ L/%1 in jedem Feld (Kragarm: 2·L)").arg(t.grenze) : QString(), gilt);
    }
    const auto& r = m_biegung.rechnung;
    if (nachEurocode())
        return QStringLiteral("Lastfall %1, Werkstoff %2, %3; M Ed ≤ M c,Rd = W · fy / γM0 (elastisch) nach DIN EN 1993-1-1. %4.")
            .arg(QString::number(r.fall), Sorte,
                r.eigengewicht ? QStringLiteral("mit Eigengewicht (jedes Profil mit seinem eigenen)")
                               : QStringLiteral("ohne Eigengewicht"),
                gilt);
    return QStringLiteral("Lastfall %1, σzul = %2 N/mm², Werkstoff %3, E = %4 N/mm², %5; W ≥ |W erf.|%6. %7.")
        .arg(QString::number(r.fall), fixiert(r.Sigma_Zul, 2), Sorte, fixiert(r.e.E, 2),
            r.eigengewicht ? QStringLiteral("mit Eigengewicht (jedes Profil mit seinem eigenen)")
                           : QStringLiteral("ohne Eigengewicht"),
            m_biegung.grenze > 0 ? QStringLiteral(" und f ≤ L/%1").arg(m_biegung.grenze) : QString(), gilt);
}

// The general beam has a search of its own; the classic dialogs choose.
bool TDLG_Passendes_Profil::nachEurocode() const { return !m_traeger && CB_Kriterium->currentIndex() == 1; }

void TDLG_Passendes_Profil::Suchen()
{
    const auto ausrichtung = RB_Optimal->isChecked() ? Profilsuche::Ausrichtung::Optimal : Profilsuche::Ausrichtung::Quer;
    if (!m_knickung) {
        m_biegung.ausrichtung = m_traegeraufgabe.ausrichtung = ausrichtung;
        m_biegung.grenze = m_traegeraufgabe.traeger.grenze = Nachweis::Durchbiegungsgrenze;
    }
    const Profilsuche::Ergebnis ergebnis = [&] {
        if (m_traeger)
            return Traegersuche::Suche(Unit1::Profildat, m_traegeraufgabe, m_alle);
        if (nachEurocode())
            return m_knickung
                ? Profilsuche::Eurocode_Knickung(Unit1::Profildat, m_ecKnick, m_knick.Gamma, m_alle)
                : Profilsuche::Eurocode_Biegung(Unit1::Profildat, m_ecBiegung, ausrichtung, m_biegung.Gamma, m_alle);
        return m_knickung ? Profilsuche::Knickung(Unit1::Profildat, m_knick, m_alle)
                          : Profilsuche::Biegung(Unit1::Profildat, m_biegung, m_alle);
    }();
    L_Aufgabe->setText(Aufgabentext());
    B_Alle->setText(
        m_alle ? QStringLiteral("Nur das leichteste je Profilart zeigen") : QStringLiteral("Alle passenden Profile zeigen"));
    Zeilen_Fuellen(ergebnis);
}

void TDLG_Passendes_Profil::Zeilen_Fuellen(const Profilsuche::Ergebnis& ergebnis)
{
    m_zeilen = m_alle ? ergebnis.alle() : ergebnis.leichteste();
    const QStringList ohne = ergebnis.ohneTreffer();
    const QStringList& spalten = m_knickung ? Knickspalten : Biegespalten;
    SG_Profile->clear();
    SG_Profile->clearSpans(); // clear() keeps the rows of the families without a profile spanned
    SG_Profile->setColumnCount(int(spalten.size()));
    SG_Profile->setHorizontalHeaderLabels(spalten);
    if (!m_knickung)
        SG_Profile->horizontalHeaderItem(int(spalten.size()) - 1)->setToolTip(Ausnutzungshinweis);
    SG_Profile->setRowCount(int(m_zeilen.size() + ohne.size()));
    int zeile = 0;
    for (const Profilsuche::Kandidat& k : m_zeilen) {
        // The general beam's L/f is that of the span or cantilever whose f is shown.
        const QStringList texte = m_knickung ? knickzeile(k) : biegezeile(k, m_traeger ? k.L_Grenze : m_biegung.rechnung.e.L);
        for (int s = 0; s < texte.size(); ++s)
            SG_Profile->setItem(zeile, s, zelle(texte[s], s >= 2));
        ++zeile;
    }
    // The families searched in vain, so that the user sees they were looked at.
    for (const QString& familie : ohne) {
        auto* name = zelle(familie, false);
        name->setFlags(Qt::ItemIsEnabled);
        SG_Profile->setItem(zeile, 0, name);
        auto* text = zelle(QStringLiteral("kein Profil dieser Profilart reicht aus"), false);
        text->setFlags(Qt::ItemIsEnabled);
        SG_Profile->setItem(zeile, 1, text);
        SG_Profile->setSpan(zeile, 1, 1, int(spalten.size()) - 1);
        ++zeile;
    }
    SG_Profile->resizeColumnsToContents();
    if (!m_zeilen.empty())
        SG_Profile->selectRow(0);
    B_Uebernehmen->setEnabled(!m_zeilen.empty());
}

void TDLG_Passendes_Profil::B_AlleClick()
{
    m_alle = !m_alle;
    Suchen();
}

void TDLG_Passendes_Profil::B_UebernehmenClick()
{
    const int zeile = SG_Profile->currentRow();
    if (zeile < 0 || zeile >= int(m_zeilen.size()))
        return; // a family row without a profile
    const Profilsuche::Kandidat& k = m_zeilen[std::size_t(zeile)];
    // Taken as the profile selection takes a click in its list; buckling uses the minor axis.
    const bool optimal = !m_knickung && RB_Optimal->isChecked();
    Querschnittswerte::Gewaehltes_Profil::ausBibliothek(Unit1::Profildat[k.familie][k.nr], optimal).wiederherstellen();
    (m_knickung ? Unit1::Knickachse : Unit1::Biegeachse) = Unit1::Profilachse;
    accept();
}
