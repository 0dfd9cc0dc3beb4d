#include "gui/report/Zusatzseiten.h"

#include "core/app/Programmzustand.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace Zusatzseiten {

namespace {

const QString Dateiname = QStringLiteral("Bericht.INI");
constexpr int Feldlaenge = 120; // characters of a head field, on file and in the dialog

// Layout in 0.01 mm below the title block of U_druck (which ends at about 33 mm).
constexpr int Kopf_y = 3650; // the head's first line; the head and its rule end above 45 mm
constexpr int Folge_y = 3800; // the steps on a further page without the head
constexpr double Kopfschrift_mm = 3;
constexpr int Titel_y = 5000;
constexpr int Block_y = 5800;
constexpr int Unterer_Rand = 1500;
constexpr double Schritt_mm = 3; // text size of the steps
constexpr int Absatz = 150; // space after a step

Kopf t_kopf;

QString zeilentext(const Rechenweg::Schritt& s, int nr)
{
    QString t = QStringLiteral("%1. %2: %3").arg(nr).arg(s.was, s.formel);
    if (!s.eingesetzt.isEmpty())
        t += QLatin1Char(' ') + s.eingesetzt;
    if (!s.ergebnis.isEmpty())
        t += QStringLiteral(" = ") + s.ergebnis;
    return t;
}

// The printed lines of the steps: part headings and steps, in order.
struct Absatzzeile {
    QString text;
    bool ueberschrift;
};

QList<Absatzzeile> absaetze(const Inhalt& inhalt)
{
    QList<Absatzzeile> a;
    for (const auto& [ueberschrift, schritte] : inhalt.protokoll.teile) {
        a.append({ueberschrift, true});
        int nr = 1;
        for (const Rechenweg::Schritt& s : schritte)
            a.append({zeilentext(s, nr++), false});
    }
    if (a.isEmpty())
        a.append({QStringLiteral("Noch keine Berechnung in diesem Dialog."), false});
    return a;
}

int textbreite() { return U_Printgr::PgWidth - 2 * U_druck::x1; }

// Height of a paragraph in the current font, wrapped to the text width.
int hoehe(const QString& text)
{
    const QRect r = U_Printgr::Canvas().boundingRect(QRect(0, 0, textbreite(), 1000000), Qt::TextWordWrap, text);
    return r.height() + Absatz;
}

void schriftSchritte(bool fett)
{
    U_Printgr::SetFontSize_mm(Schritt_mm);
    U_Printgr::SetFontStyle(fett, fett);
}

// Height of a printed line of the steps, in its own font.
int hoehe(const Absatzzeile& z)
{
    schriftSchritte(z.ueberschrift);
    return hoehe(z.text);
}

int seitenende() { return U_Printgr::PgHeight - Unterer_Rand; }

int schritteStart(const Inhalt& inhalt) { return Block_y + (inhalt.block ? int(inhalt.blockhoehe) + 400 : 0); }

// How far the first page's title, diagrams and steps move down where they start under what the
// page in progress holds (`ab`, see Drucken); 0 on a page of their own.
int versatz(int ab) { return ab > 0 ? ab - Titel_y : 0; }

// Where the steps go on on a further page: under the head where it is printed there too.
int folgeStart(const Inhalt& inhalt) { return inhalt.kopfAufJederSeite ? Titel_y : Folge_y; }

// The first paragraph of each page, walking the paragraphs as they will be printed.
QList<int> seitenanfaenge(const Inhalt& inhalt, const QList<Absatzzeile>& a, int ab)
{
    QList<int> anfaenge {0};
    int y = schritteStart(inhalt) + versatz(ab) + 600;
    for (int i = 0; i < a.size(); ++i) {
        const int h = hoehe(a[i]);
        // A part's heading never stands alone at the foot of a page: it goes on with its first step.
        const int bedarf = h + (a[i].ueberschrift && i + 1 < a.size() ? hoehe(a[i + 1]) : 0);
        if (y + bedarf > seitenende() && y > folgeStart(inhalt) + 600) {
            anfaenge.append(i);
            y = folgeStart(inhalt);
        }
        y += h;
    }
    return anfaenge;
}

void titelDrucken(const Inhalt& inhalt, int y)
{
    U_Printgr::SetFontSize_mm(4);
    U_Printgr::SetFontStyle(true, true);
    U_Printgr::TextOut(U_druck::x1, y, inhalt.titel);
}

void absatzDrucken(const Absatzzeile& z, int& y)
{
    schriftSchritte(z.ueberschrift);
    const int h = hoehe(z.text);
    U_Printgr::Canvas().drawText(QRect(U_druck::x1, y, textbreite(), h), Qt::TextWordWrap, z.text);
    y += h;
}

} // namespace

Kopf& kopf() { return t_kopf; }

const Kopf& Kopf_von(const Inhalt& inhalt) { return inhalt.kopf ? *inhalt.kopf : t_kopf; }

void Kopf_Laden()
{
    t_kopf = {};
    if (!Textdatei::existiert(Main::Datendir, Dateiname))
        return;
    QStringList zeilen;
    try {
        zeilen = Textdatei::lesen(Textdatei::finden(Main::Datendir, Dateiname));
    } catch (const Plattform::Fehler&) {
        return; // an unreadable file only loses the remembered head
    }
    for (const QString& z : zeilen) {
        const QString wert = z.section(QLatin1Char('='), 1).left(Feldlaenge);
        if (z.startsWith(QStringLiteral("Projekt=")))
            t_kopf.Projekt = wert;
        else if (z.startsWith(QStringLiteral("Position=")))
            t_kopf.Position = wert;
        else if (z.startsWith(QStringLiteral("Bearbeiter=")))
            t_kopf.Bearbeiter = wert;
    }
}

void Kopf_Speichern()
{
    Textdatei::schreiben(Textdatei::finden(Main::Datendir, Dateiname),
        {QStringLiteral("Projekt=") + t_kopf.Projekt, QStringLiteral("Position=") + t_kopf.Position,
            QStringLiteral("Bearbeiter=") + t_kopf.Bearbeiter});
}

bool Kopf_Abfragen(QWidget* eltern)
{
    static bool geladen = false;
    if (!geladen) {
        Kopf_Laden();
        geladen = true;
    }
    QDialog d(eltern);
    d.setObjectName(QStringLiteral("DLG_Berichtskopf"));
    d.setWindowTitle(QStringLiteral("Angaben für den Bericht"));
    auto* form = new QFormLayout(&d);
    auto feld = [&](const QString& name, const QString& text, const QString& wert) {
        auto* e = new QLineEdit(wert, &d);
        e->setObjectName(name);
        e->setMaxLength(Feldlaenge);
        e->setMinimumWidth(360);
        form->addRow(text, e);
        return e;
    };
    QLineEdit* projekt = feld(QStringLiteral("E_Projekt"), QStringLiteral("Projekt"), t_kopf.Projekt);
    QLineEdit* position = feld(QStringLiteral("E_Position"), QStringLiteral("Position"), t_kopf.Position);
    QLineEdit* bearbeiter = feld(QStringLiteral("E_Bearbeiter"), QStringLiteral("Bearbeiter"), t_kopf.Bearbeiter);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Weiter"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    form->addRow(knoepfe);
    if (Plattform::modal(&d) != QDialog::Accepted)
        return false;
    t_kopf = {projekt->text(), position->text(), bearbeiter->text()};
    try {
        Kopf_Speichern();
    } catch (const Plattform::Fehler& f) {
        Plattform::warnung(QStringLiteral("Die Angaben für den Bericht werden gedruckt, aber nicht gespeichert: ") + f.text());
    }
    return true;
}

void Kopf_Drucken(const Kopf& k)
{
    U_Printgr::SetFontSize_mm(Kopfschrift_mm);
    U_Printgr::SetFontStyle(true, false);
    // Two lines: the project's name with the whole width to itself (one longer still is cut
    // after a whole word; the project's cover prints it whole), under it the position and, flush
    // right, the one who computes.
    constexpr int Abstand = 400;
    const int breite = U_Printgr::PgWidth - 2 * U_druck::x1;
    const int zeilenabstand = U_Printgr::Canvas().fontMetrics().lineSpacing();
    const int zweite = Kopf_y + zeilenabstand;
    U_Printgr::TextOut(U_druck::x1, Kopf_y, U_Printgr::Passend(QStringLiteral("Projekt: ") + k.Projekt, breite));
    const QString bearbeiter = U_Printgr::Passend(QStringLiteral("Bearbeiter: ") + k.Bearbeiter, breite / 3);
    const int bearbeiterX = U_Printgr::PgWidth - U_druck::x1 - U_Printgr::TextWidth(bearbeiter);
    U_Printgr::TextOut(
        U_druck::x1, zweite, U_Printgr::Passend(QStringLiteral("Position: ") + k.Position, bearbeiterX - Abstand - U_druck::x1));
    U_Printgr::TextOut(bearbeiterX, zweite, bearbeiter);
    const int linie = zweite + zeilenabstand + 50;
    QPainter& m = U_Printgr::Canvas();
    m.save();
    m.setPen(QPen(Qt::black, 15));
    m.drawLine(U_druck::x1, linie, U_Printgr::PgWidth - U_druck::x1, linie);
    m.restore();
}

int Seitenzahl(const Inhalt& inhalt, int ab) { return int(seitenanfaenge(inhalt, absaetze(inhalt), ab).size()); }

bool Passt_ab(const Inhalt& inhalt, int ab)
{
    const QList<Absatzzeile> a = absaetze(inhalt);
    const int bedarf = hoehe(a[0]) + (a[0].ueberschrift && a.size() > 1 ? hoehe(a[1]) : 0);
    return schritteStart(inhalt) + versatz(ab) + 600 + bedarf <= seitenende();
}

void Drucken(const Inhalt& inhalt, bool ersteNeu, int ab)
{
    const QList<Absatzzeile> a = absaetze(inhalt);
    const QList<int> anfaenge = seitenanfaenge(inhalt, a, ab);
    const int v = versatz(ab);
    for (int s = 0; s < anfaenge.size(); ++s) {
        const bool eigeneSeite = s > 0 || ab == 0;
        if (eigeneSeite && (s > 0 || ersteNeu))
            U_Printgr::NewPage();
        if (eigeneSeite)
            U_druck::Titelzeile_Drucken();
        int y = folgeStart(inhalt);
        if (s > 0 && inhalt.kopfAufJederSeite)
            Kopf_Drucken(Kopf_von(inhalt));
        if (s == 0) {
            if (eigeneSeite)
                Kopf_Drucken(Kopf_von(inhalt));
            titelDrucken(inhalt, Titel_y + v);
            if (inhalt.block) {
                QPainter& m = U_Printgr::Canvas();
                m.save();
                inhalt.block(m, QRectF(U_druck::x1, Block_y + v, textbreite(), inhalt.blockhoehe));
                m.restore();
            }
            y = schritteStart(inhalt) + v;
            U_Printgr::SetFontSize_mm(4);
            U_Printgr::SetFontStyle(true, true);
            U_Printgr::TextOut(U_druck::x1, y, QStringLiteral("Rechenweg"));
            y += 600;
        }
        const int bis = s + 1 < anfaenge.size() ? anfaenge[s + 1] : int(a.size());
        for (int i = anfaenge[s]; i < bis; ++i)
            absatzDrucken(a[i], y);
    }
}

void Allein_Drucken(QPrinter& drucker, const Inhalt& inhalt)
{
    U_Printgr::BeginDocEx(U_druck::Programmname, drucker);
    try {
        U_Printgr::SetPageCount(Seitenzahl(inhalt));
        Drucken(inhalt, false);
    } catch (...) {
        U_Printgr::Abort();
        throw;
    }
    U_Printgr::EndDoc();
}

} // namespace Zusatzseiten
