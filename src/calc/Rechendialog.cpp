#include "calc/Rechendialog.h"

#include "core/Unit1.h"
#include "platform/Fehler.h"
#include "platform/Meldungen.h"
#include "platform/Textdatei.h"
#include "platform/Zahlen.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>
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
}

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
    return feld(panel, feldname, QStringLiteral("0"), feldX, y, feldbreite, 28);
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

double Wert(const QLineEdit* feld) { return Zahlen::lesen(feld->text()); }

bool mitPiep(const std::function<void()>& rechnung)
{
    try {
        rechnung();
        return true;
    } catch (const std::exception&) {
        Plattform::piep();
        return false;
    }
}

QPrintDialog* Drucksetup(QPrintDialog*& dialog, QWidget* eltern)
{
    if (!dialog) {
        dialog = new QPrintDialog(eltern);
        dialog->setObjectName(QStringLiteral("Drucksetupdlg"));
    }
    return dialog;
}

} // namespace Rechendialog
