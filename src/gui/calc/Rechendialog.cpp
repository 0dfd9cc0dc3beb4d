#include "gui/calc/Rechendialog.h"

#include "core/app/Unit1.h"
#include "core/calc/Pruefung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/report/U_Printgr.h"

#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
#include <array>
#include <exception>

namespace Rechendialog {

using namespace Bausteine;

void Bild_Laden(QLabel* Image1, const QString& Datendir, const QString& name)
{
    Image1->clear(); // a sketch that cannot be loaded leaves the picture empty
    const QString pfad = Textdatei::finden(Datendir, name);
    if (!QFileInfo(pfad).isFile())
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Die Datei existiert nicht."));
    QImageReader leser(pfad);
    const QImage bild = leser.read();
    if (bild.isNull())
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Das Bild kann nicht gelesen werden (%1).").arg(leser.errorString()));
    Image1->setPixmap(QPixmap::fromImage(bild.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void Fall_Zeigen(QWidget* dialog, QLabel* Image1, const QString& Datendir, const Lastfaelle::Lastfall& fall,
    Plattform::Teilschritte& schritte, QLabel* L_Last)
{
    dialog->setWindowTitle(fall.titel.toString());
    schritte.ausfuehren([&] { Bild_Laden(Image1, Datendir, fall.bild.toString()); });
    if (L_Last && !fall.last.isEmpty()) {
        L_Last->setText(fall.last.toString());
        L_Last->adjustSize();
    }
}

Profilbox Profilbox_Bauen(QWidget* eltern, const Profilboxtexte& t, int x, int y, int breite)
{
    Profilbox b;
    label(eltern, QStringLiteral("Label11"), QStringLiteral("Material:"), x, y + 2);
    b.L_Material = label(eltern, t.materialName, QString(), x + 100, y, breite - 100, 24);
    hintergrund(b.L_Material, t.wertfarbe);
    ueberschrift(eltern, QStringLiteral("Label9"), t.ueberschrift, x, y + 34);
    label(eltern, QStringLiteral("Label5"), t.profiltyp, x, y + 66);
    b.L_Profilart = label(eltern, QStringLiteral("L_Profilart"), QString(), x + 190, y + 64, breite - 190, 24);
    label(eltern, QStringLiteral("Label6"), t.profil, x, y + 96);
    b.L_Profil = label(eltern, QStringLiteral("L_Profil"), QString(), x + 190, y + 94, breite - 190, 24);
    for (QLabel* l : {b.L_Profilart, b.L_Profil})
        hintergrund(l, t.wertfarbe);

    // W (where shown), I, A and the mass in two columns.
    int platz = 0;
    auto paar = [&](const QString& name, const QString& text, const QString& wertname, QLabel** beschriftung) {
        const int px = x + (platz % 2) * (breite / 2);
        const int py = y + 128 + (platz / 2) * 30;
        ++platz;
        QLabel* l = label(eltern, name, text, px, py + 2);
        if (beschriftung)
            *beschriftung = l;
        QLabel* wert = label(eltern, wertname, QString(), px + 150, py, breite / 2 - 165, 24);
        hintergrund(wert, t.wertfarbe);
        return wert;
    };
    if (!t.W.isEmpty())
        b.L_Waus = paar(QStringLiteral("L_W"), t.W, QStringLiteral("L_Waus"), &b.L_W);
    b.L_Iaus = paar(QStringLiteral("L_I"), t.I, QStringLiteral("L_Iaus"), &b.L_I);
    if (t.achse) {
        const QRect wert = b.L_Iaus->geometry();
        constexpr int breite = 60;
        b.L_Iaus->resize(wert.width() - breite - 6, wert.height());
        b.L_Achse
            = label(eltern, QStringLiteral("L_Achse"), QString(), wert.right() - breite + 1, wert.y(), breite, wert.height());
        b.L_Achse->setAlignment(Qt::AlignCenter);
    }
    b.L_Aaus = paar(QStringLiteral("L_A"), t.A, QStringLiteral("L_Aaus"), &b.L_A);
    b.L_Maus = paar(t.masseName, QStringLiteral("Masse [kg/m]:"), QStringLiteral("L_Maus"), nullptr);
    return b;
}

void Profilbox_Anzeigen(const Profilbox& b)
{
    using Zahlen::fixiert;
    b.L_Material->setText(Unit1::Sorte);
    b.L_Profilart->setText(Unit1::ProfilArt);
    b.L_Profil->setText(Unit1::ProfilName);
    if (b.L_Waus)
        b.L_Waus->setText(fixiert(Unit1::W, 2));
    b.L_Iaus->setText(fixiert(Unit1::I, 2));
    b.L_Aaus->setText(fixiert(Unit1::A, 2));
    b.L_Maus->setText(fixiert(Unit1::Masse, 2));
    if (b.L_Achse)
        b.L_Achse->setText(Achsenname(Unit1::Profilachse));
}

QString Achsenname(Unit1::TProfilachse achse) { return Querschnittswerte::Achsenname(achse); }

QList<QPushButton*> Knopfspalte(
    QWidget* eltern, std::initializer_list<Knopfangabe> knoepfe, int x, int y, int breite, int hoehe, int abstand)
{
    QList<QPushButton*> liste;
    for (const Knopfangabe& k : knoepfe) {
        liste.append(symbolknopf(eltern, k.name, k.text, k.symbol, x, y, breite, hoehe));
        y += abstand;
    }
    return liste;
}

QLineEdit* Eingabezeile(QWidget* panel, const QString& labelname, const QString& text, const QString& feldname, int y, int feldX,
    int feldbreite, QLabel** beschriftung)
{
    QLabel* l = label(panel, labelname, text, 10, y + 3);
    if (beschriftung)
        *beschriftung = l;
    QLineEdit* e = feld(panel, feldname, QStringLiteral("0"), feldX, y, feldbreite, 28);
    l->setBuddy(e); // names the field in messages
    return e;
}

QLabel* Ausgabezeile(QWidget* panel, const QString& labelname, const QString& text, const QString& wertname, int y, int feldX,
    int feldbreite, const QColor& farbe, QLabel** beschriftung)
{
    QLabel* l = label(panel, labelname, text, 10, y + 3);
    if (beschriftung)
        *beschriftung = l;
    QLabel* wert = label(panel, wertname, QStringLiteral("0"), feldX, y, feldbreite, 28);
    hintergrund(wert, farbe);
    return wert;
}

void Nur_Anzeige(QLineEdit* feld)
{
    feld->setReadOnly(true);
    feld->setFocusPolicy(Qt::NoFocus);
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, Grau);
    feld->setPalette(p);
}

namespace {

QString Eingabefehlertext(const QLineEdit* feld)
{
    const QString text = feld->text();
    if (text.trimmed().isEmpty())
        return QStringLiteral("%1: keine Zahl eingegeben").arg(Feldname(feld));
    return QStringLiteral("%1: '%2' ist keine Zahl").arg(Feldname(feld), text);
}

const char* const Markierung = "rechenfehler";

QString Rahmenname(const QWidget* w) { return w->objectName() + QStringLiteral("_Fehlerrahmen"); }

// A red frame (with a white rim, so that it shows around the red result labels too) behind the
// widget. The widget itself keeps its look: a style sheet set and taken away again would lose
// the font it inherits from the dialog.
void markieren(QWidget* w)
{
    w->setProperty(Markierung, true);
    auto* rahmen = new QFrame(w->parentWidget());
    rahmen->setObjectName(Rahmenname(w));
    rahmen->setStyleSheet(QStringLiteral("QFrame { background-color: #FFFFFF; border: 3px solid #FF0000; }"));
    rahmen->setGeometry(w->geometry().adjusted(-5, -5, 5, 5));
    rahmen->stackUnder(w);
    rahmen->show();
}

void Fehler_Zeigen(QLabel* L_Fehler, const QString& text)
{
    L_Fehler->setText(text);
    L_Fehler->setVisible(true);
}

} // namespace

Eingabefehler::Eingabefehler(QLineEdit* feld)
    : Plattform::Fehler(Art::Konvertierung, Eingabefehlertext(feld))
    , m_feld(feld)
{
}

double Wert(QLineEdit* feld)
{
    if (const auto wert = Zahlen::versuchen(feld->text()))
        return *wert;
    throw Eingabefehler(feld);
}

void Feld_Auffrischen(QLineEdit* feld, double wert)
{
    if (Zahlen::versuchen(feld->text()) != wert)
        feld->setText(Zahlen::fixiert(wert, 2));
}

void Eingabe_Setzen(QLineEdit* feld, double wert)
{
    QLocale ort;
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    feld->setText(ort.toString(wert, 'f', QLocale::FloatingPointShortest));
}

QLineEdit* Feld(QWidget* dialog, Pruefung::Eingabe eingabe)
{
    using Pruefung::Eingabe;
    const char* name = nullptr;
    switch (eingabe) {
    case Eingabe::F:
        name = "E_Last";
        break;
    case Eingabe::L:
        name = "E_Laenge";
        break;
    case Eingabe::x:
        name = "E_x";
        break;
    case Eingabe::Sigma_Zul:
        name = "E_SigmaZul";
        break;
    case Eingabe::S:
        name = "E_Sicherheit";
        break;
    case Eingabe::E:
        name = "E_E_Modul";
        break;
    case Eingabe::I:
        name = "E_I";
        break;
    case Eingabe::A:
        return nullptr; // always the profile's
    }
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

QString Feldname(const QLineEdit* feld)
{
    if (feld->parentWidget())
        for (const QLabel* l : feld->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->buddy() == feld) {
                QString name = l->text();
                name.truncate(name.indexOf(QLatin1Char('[')) < 0 ? name.size() : name.indexOf(QLatin1Char('[')));
                name = name.trimmed();
                if (name.endsWith(QLatin1Char(':')))
                    name.chop(1);
                return name.remove(QLatin1Char('&'));
            }
    return feld->objectName();
}

QString Ursache(const Plattform::Fehler& fehler, const Ursachen& ursachen)
{
    for (const auto& [name, wert] : ursachen.teiler)
        if (wert == 0.0)
            return QStringLiteral("Division durch Null: %1 ist 0").arg(name);
    for (const auto& [name, wert] : ursachen.positiv)
        if (!(wert > 0.0))
            return QStringLiteral("%1 muss größer als 0 sein (ist %2)").arg(name, QLocale().toString(wert, 'g', 7));
    return QStringLiteral("Rechenfehler: %1").arg(fehler.text());
}

QLabel* Fehlerzeile(QWidget* dialog, int x, int y, int breite, int hoehe)
{
    QLabel* l = label(dialog, QStringLiteral("L_Fehler"), QString(), x, y, breite, hoehe);
    l->setWordWrap(true);
    l->setIndent(6);
    l->setStyleSheet(QStringLiteral("background-color: #FFFFFF; color: #C00000; border: 2px solid #FF0000;"));
    l->hide();
    return l;
}

bool mitPiep(QLabel* L_Fehler, const QList<QWidget*>& ergebnisse, const std::function<Ursachen()>& ursachen,
    const std::function<void()>& rechnung)
{
    Markierung_Loeschen(L_Fehler);
    try {
        rechnung();
        return true;
    } catch (const Eingabefehler& f) {
        Plattform::piep();
        markieren(f.feld());
        Fehler_Zeigen(L_Fehler, f.text());
    } catch (const Pruefung::Ungueltig& f) {
        // An input without meaning: its field is marked, or the results where it has none.
        Plattform::piep();
        QWidget* feld = Feld(L_Fehler->window(), f.eingabe());
        for (QWidget* w : feld ? QList<QWidget*> {feld} : ergebnisse)
            markieren(w);
        Fehler_Zeigen(L_Fehler, f.text());
    } catch (const Plattform::Fehler& f) {
        Plattform::piep();
        for (QWidget* w : ergebnisse)
            markieren(w);
        Fehler_Zeigen(L_Fehler, Ursache(f, ursachen()));
    } catch (const std::exception& f) {
        Plattform::piep();
        for (QWidget* w : ergebnisse)
            markieren(w);
        Fehler_Zeigen(L_Fehler, QStringLiteral("Rechenfehler: %1").arg(QString::fromUtf8(f.what())));
    }
    return false;
}

void Fehler_Markieren(QLabel* L_Fehler, QWidget* feld, const QString& text)
{
    if (feld)
        markieren(feld);
    Fehler_Zeigen(L_Fehler, text);
}

void Markierung_Loeschen(QLabel* L_Fehler)
{
    QList<QWidget*> markierte = L_Fehler->window()->findChildren<QWidget*>();
    markierte.removeIf([](const QWidget* w) { return !markiert(w); }); // before any frame goes
    for (QWidget* w : markierte) {
        w->setProperty(Markierung, false);
        delete w->parentWidget()->findChild<QFrame*>(Rahmenname(w), Qt::FindDirectChildrenOnly);
    }
    L_Fehler->clear();
    L_Fehler->hide();
}

bool markiert(const QWidget* w) { return w->property(Markierung).toBool(); }

namespace {

// The shared values a calculation dialog writes: its inputs as read from its fields and its
// results. I is not among them: it belongs to the profile.
const std::array<double*, 16> Rechenwerte {&Unit1::F, &Unit1::L, &Unit1::Lx, &Unit1::Abstand_a, &Unit1::Abstand_b,
    &Unit1::Sigma_Zul, &Unit1::Lk, &Unit1::Sk_gewuenscht, &Unit1::Werf, &Unit1::Wxerf, &Unit1::fd, &Unit1::Ierf, &Unit1::Sigma_K,
    &Unit1::Sk, &Unit1::Schlankheitsgrad, &Unit1::Aerf};

// The material entry selected in the main window (or the opened position's), whose σP and
// Tetmajer line the buckling dialog reads besides the shared values, and the kind and shear strength shown there, which
// the shear dialog reads.
void gewaehltesMaterial(Rechenstand::Gelesen& g)
{
    const TTab_Werkstoffauswahl* tab = Tab_Werkstoffauswahl::TS_Werkstoffauswahl;
    if (tab)
        g.texte.append({tab->Gezeigte_Art(), tab->Gezeigtes_SigmaS()});
    const int k = tab ? tab->Gewaehlter_Eintrag() : -1;
    g.zahlen.append(k);
    const Unit1::Matrecord* eintrag = Positionszustand::Werkstoffeintrag(k);
    if (!eintrag)
        return;
    const Unit1::Matrecord& m = *eintrag;
    g.zahlen.append(
        {m.E, m.SigmaB, m.SigmaP, m.GrenzSchlankheit, m.Tetmaier1, m.Tetmaier2, m.Gamma, m.SigmaD, m.SigmaZ, m.SigmaS});
    g.texte.append({m.Sorte, m.Art});
}

} // namespace

Rechenstand::Rechenstand(const Unit1::TProfilachse* achse)
    : m_achse(achse)
{
}

Rechenstand::Gelesen Rechenstand::lesen() const
{
    using namespace Unit1;
    Gelesen g;
    g.fall = Akt_Belastungsfall;
    g.texte = {Sorte, ProfilArt, ProfilName};
    g.zahlen = {E, Sigma_B, Sigma_P, GrenzSchlankheit, Gamma, A, Masse};
    gewaehltesMaterial(g);
    if (Profilachse == TProfilachse::Keine) { // a computed or typed-in section: its one W and I
        g.zahlen.append({W, I});
    } else { // a library profile: W and I follow from its record and the dialog's axis
        const TProfilrecord& p = Bibliotheksprofil;
        g.texte.append({p.Art, p.Name});
        g.zahlen.append({p.Wmax, p.Wmin, p.Imax, p.Imin, p.A});
        if (m_achse)
            g.zahlen.append(int(*m_achse));
    }
    return g;
}

void Rechenstand::aufnehmen()
{
    m_gelesen = lesen();
    m_werte.clear();
    for (const double* wert : Rechenwerte)
        m_werte.append(*wert);
}

void Rechenstand::profilAufnehmen()
{
    if (m_gelesen)
        m_gelesen = lesen();
}

bool Rechenstand::unveraendert() const { return m_gelesen && *m_gelesen == lesen(); }

bool Rechenstand::behalten() const
{
    if (!unveraendert())
        return false;
    for (std::size_t k = 0; k < Rechenwerte.size(); ++k)
        *Rechenwerte[k] = m_werte[qsizetype(k)];
    return true;
}

const Unit1::Matrecord* Gewaehlter_Werkstoff()
{
    const TTab_Werkstoffauswahl* tab = Tab_Werkstoffauswahl::TS_Werkstoffauswahl;
    return Positionszustand::Werkstoffeintrag(tab ? tab->Gewaehlter_Eintrag() : -1);
}

Berichtsinhalt::Werte Seitenwerte(const Berichtsinhalt::Werte& gerechnet)
{
    using namespace Unit1;
    Berichtsinhalt::Werte w = gerechnet;
    w.fall = Akt_Belastungsfall;
    w.sorte = Sorte;
    w.sigma_b = Sigma_B;
    w.sigma_zul = Sigma_Zul;
    w.E = E;
    w.grenzschlankheit = GrenzSchlankheit;
    w.profilart = ProfilArt;
    w.profilname = ProfilName;
    w.W = W;
    w.I = I;
    w.A = A;
    w.achse = Querschnittswerte::Achsentext(Profilachse);
    return w;
}

QPrintDialog* Drucksetup(QPrintDialog*& dialog, QWidget* eltern, const QString& name)
{
    if (!dialog) {
        // Built on the printer the reports share: what the user chooses here is what the next
        // report of any dialog prints on.
        dialog = new QPrintDialog(&U_Printgr::Printer(), eltern);
        dialog->setObjectName(name);
    }
    return dialog;
}

} // namespace Rechendialog
