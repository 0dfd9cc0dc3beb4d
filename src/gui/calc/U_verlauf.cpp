#include "gui/calc/U_verlauf.h"

#include "core/app/Lastfallbild.h"
#include "core/app/Unit1.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Traegerskizze.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/platform/Bausteine.h"
#include "gui/report/Traegerbericht.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"
#include "gui/report/Zusatzseiten.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace U_verlauf {

namespace {

Stand t_stand[4];
QPointer<TDLG_Verlaeufe> t_fenster[4];

Stand& standVon(Art art) { return t_stand[int(art)]; }

// The case's x when it has an x row and the dialog's x lies on the beam (0 < x ≤ L).
std::optional<double> gewaehltesX(int fall)
{
    if (!Biegerechnung::hatStelle(fall) || !(Unit1::Lx > 0) || Unit1::Lx > Unit1::L)
        return std::nullopt;
    return Unit1::Lx;
}

void protokollieren(Art art, const QString& titel, const QString& teil, Rechenweg::Schritte schritte, bool gelungen)
{
    if (!gelungen)
        schritte.append({QStringLiteral("Abbruch"),
            QStringLiteral("Die Rechnung wurde hier abgebrochen (eine Eingabe ist keine Zahl oder ein Rechenfehler trat auf)."),
            QString(), QString()});
    Stand& s = standVon(art);
    if (s.protokoll.titel != titel)
        s.protokoll.teile.clear(); // another case: the steps of the previous one no longer belong here
    s.protokoll.titel = titel;
    s.protokoll.setzen(teil, schritte);
    Nachweiszeile::Protokollieren(s.protokoll, {}, {}); // judged again once the dialog shows them
    s.gerechnet = true;
    s.gelungen = gelungen;
    ++s.version;
}

// An open window shows a new calculation at once; a hidden one when it is shown again.
void auffrischen(Art art)
{
    if (t_fenster[int(art)] && t_fenster[int(art)]->isVisible())
        t_fenster[int(art)]->Auffrischen();
}

QString fenstertitel(Art art)
{
    switch (art) {
    case Art::Biegung:
        return QStringLiteral("Verläufe");
    case Art::Knickung:
        return QStringLiteral("Knickspannungslinie");
    case Art::Scherung:
        return QStringLiteral("Rechenweg");
    case Art::Traeger:
        return QStringLiteral("Verläufe – Träger mit beliebigen Lasten");
    }
    return {};
}

} // namespace

const Stand& stand(Art art) { return standVon(art); }

void Biegung_Gerechnet(
    const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen, double eigengewicht)
{
    protokollieren(Art::Biegung, titel, teil, schritte, gelungen);
    Diagramme::Biegedaten& d = standVon(Art::Biegung).biegung;
    d.fall = Unit1::Akt_Belastungsfall;
    d.eingaben = {Unit1::F, Unit1::L, Unit1::Abstand_a, Unit1::E, Unit1::I};
    d.x = gewaehltesX(d.fall);
    d.eigengewicht = eigengewicht;
    auffrischen(Art::Biegung);
}

void Knickung_Gerechnet(const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen,
    const std::optional<Knickspannungslinie::Daten>& daten)
{
    protokollieren(Art::Knickung, titel, teil, schritte, gelungen);
    if (daten)
        standVon(Art::Knickung).knickung = *daten;
    auffrischen(Art::Knickung);
}

void Scherung_Gerechnet(const QString& titel, const QString& teil, const Rechenweg::Schritte& schritte, bool gelungen)
{
    protokollieren(Art::Scherung, titel, teil, schritte, gelungen);
    auffrischen(Art::Scherung);
}

void Traeger_Gerechnet(const QWidget* dialog, const QString& titel, const Diagramme::Traegerdaten& daten)
{
    Stand& s = standVon(Art::Traeger);
    s.protokoll = Traegerbericht::Protokoll({titel, daten, {}});
    s.traeger = daten;
    s.dialog = dialog;
    s.gerechnet = true;
    s.gelungen = true;
    ++s.version;
    auffrischen(Art::Traeger);
}

void Leeren(Art art, const QWidget* dialog)
{
    Stand& s = standVon(art);
    if (s.dialog != dialog)
        return;
    const int version = s.version;
    s = Stand {};
    s.version = version + 1; // an open window shows that nothing is computed

    auffrischen(art);
}

void Nachweise_Zeigen(Art art, const QStringList& zeilen)
{
    Stand& s = standVon(art);
    Nachweiszeile::Protokollieren(s.protokoll, {}, zeilen);
    ++s.version;
    auffrischen(art);
}

Aufnahme::Aufnahme(Art art, QWidget* dialog, QString teil)
    : m_art(art)
    , m_dialog(dialog)
    , m_teil(std::move(teil))
{
}

Aufnahme::~Aufnahme()
{
    Plattform::geschuetzt([&] {
        const QString titel = m_dialog->windowTitle();
        switch (m_art) {
        case Art::Biegung:
            Biegung_Gerechnet(titel, m_teil, m_aufzeichnung.schritte(), gelungen, eigengewicht);
            break;
        case Art::Knickung:
            Knickung_Gerechnet(titel, m_teil, m_aufzeichnung.schritte(), gelungen, knickung);
            break;
        case Art::Scherung:
            Scherung_Gerechnet(titel, m_teil, m_aufzeichnung.schritte(), gelungen);
            break;
        case Art::Traeger: // its result carries its steps (Traeger_Gerechnet)
            return;
        }
        standVon(m_art).dialog = m_dialog;
    });
}

void Aufnahme::notieren(const QString& was, const QString& text) { Rechenweg::notieren(was, text, QString(), QString()); }

void Zeigen(Art art, QWidget* dialog)
{
    if (!t_fenster[int(art)])
        t_fenster[int(art)] = new TDLG_Verlaeufe(art, dialog ? dialog->parentWidget() : nullptr);
    TDLG_Verlaeufe* fenster = t_fenster[int(art)];
    fenster->Auffrischen();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

bool hatBlock(Art art) { return art != Art::Scherung; }

void Block_Zeichnen(Art art, QPainter& maler, const QRectF& rechteck)
{
    if (art == Art::Biegung)
        Diagramme::Biegeblock_Zeichnen(maler, rechteck, stand(art).biegung);
    else if (art == Art::Traeger)
        Diagramme::Traegerblock_Zeichnen(maler, rechteck, stand(art).traeger);
    else if (art == Art::Knickung)
        Diagramme::Knickblock_Zeichnen(maler, rechteck, stand(art).knickung);
}

Zusatzseiten::Inhalt Zusatzinhalt(Art art)
{
    const Stand& s = stand(art);
    if (art == Art::Traeger && s.gelungen)
        return Traegerbericht::Zusatzinhalt({s.protokoll.titel, s.traeger, {}});
    Zusatzseiten::Inhalt z;
    z.titel = s.protokoll.titel;
    z.protokoll = s.protokoll;
    const bool mitBlock = art == Art::Biegung ? s.gelungen : art == Art::Knickung && s.knickung.E > 0;
    if (mitBlock) {
        z.block = [art](QPainter& m, const QRectF& r) { Block_Zeichnen(art, m, r); };
        z.blockhoehe = art == Art::Biegung ? 15000 : 10500; // 0.01 mm
    }
    return z;
}

std::optional<Zusatzseiten::Inhalt> Berichtsseiten(Art art, QWidget* dialog)
{
    if (!Zusatzseiten::Kopf_Abfragen(dialog))
        return std::nullopt;
    return Zusatzinhalt(art);
}

} // namespace U_verlauf

namespace {

// A chart view that reports the x under the mouse pointer.
class Zeigeransicht : public QChartView {
public:
    explicit Zeigeransicht(QWidget* eltern)
        : QChartView(eltern)
    {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }
    std::function<void(double)> beiZeiger;

protected:
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (chart() && beiZeiger && chart()->plotArea().contains(e->position()))
            beiZeiger(chart()->mapToValue(e->position()).x());
        QChartView::mouseMoveEvent(e);
    }
};

} // namespace

using U_verlauf::Art;

TDLG_Verlaeufe::TDLG_Verlaeufe(Art art, QWidget* eltern)
    : QDialog(eltern, Qt::Window)
    , m_art(art)
{
    setObjectName(art == Art::Biegung ? QStringLiteral("DLG_Verlaeufe")
            : art == Art::Knickung    ? QStringLiteral("DLG_Knicklinie")
            : art == Art::Traeger     ? QStringLiteral("DLG_Traegerverlaeufe")
                                      : QStringLiteral("DLG_Rechenweg"));
    setWindowTitle(U_verlauf::fenstertitel(art));
    setModal(false);
    Aufbauen();
    Bausteine::aufBildschirm(this, art == Art::Scherung ? QSize(900, 560) : QSize(1000, 940));
}

TDLG_Verlaeufe::~TDLG_Verlaeufe() = default;

void TDLG_Verlaeufe::Aufbauen()
{
    auto* haupt = new QVBoxLayout(this);
    TC_Verlaeufe = new QTabWidget(this);
    TC_Verlaeufe->setObjectName(QStringLiteral("TC_Verlaeufe"));
    haupt->addWidget(TC_Verlaeufe, 1);

    auto ansicht = [this](QWidget* eltern, const QString& name) {
        auto* a = new Zeigeransicht(eltern);
        a->setObjectName(name);
        a->beiZeiger = [this](double x) { Zeiger(x); };
        return a;
    };
    L_Hinweis = new QLabel(this);
    L_Hinweis->setObjectName(QStringLiteral("L_Hinweis"));
    L_Hinweis->setWordWrap(true);
    L_Zeiger = new QLabel(this);
    L_Zeiger->setObjectName(QStringLiteral("L_Zeiger"));
    L_Zeiger->setTextInteractionFlags(Qt::TextSelectableByMouse);

    if (m_art == Art::Biegung || m_art == Art::Traeger) {
        auto* seite = new QWidget;
        seite->setObjectName(QStringLiteral("TS_Verlaeufe"));
        auto* l = new QVBoxLayout(seite);
        // The sketch and the diagrams scroll where the screen is too low for them: each diagram
        // keeps the height its axes need to be read (as on the page, where it is 1000 × 300),
        // instead of being squeezed until its labels are cut. The pointer's values and the
        // sign convention stay in view below.
        auto* rollen = new QScrollArea(seite);
        rollen->setObjectName(QStringLiteral("SB_Verlaeufe"));
        rollen->setWidgetResizable(true);
        rollen->setFrameShape(QFrame::NoFrame);
        rollen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* diagramme = new QWidget;
        diagramme->setObjectName(QStringLiteral("W_Diagramme"));
        auto* d = new QVBoxLayout(diagramme);
        d->setContentsMargins(0, 0, 0, 0);
        L_Skizze = new QLabel(diagramme);
        L_Skizze->setObjectName(QStringLiteral("L_Skizze"));
        L_Skizze->setAlignment(Qt::AlignCenter);
        L_Skizze->setFixedHeight(124);
        d->addWidget(L_Skizze);
        CV_Querkraft = ansicht(diagramme, QStringLiteral("CV_Querkraft"));
        CV_Moment = ansicht(diagramme, QStringLiteral("CV_Moment"));
        CV_Durchbiegung = ansicht(diagramme, QStringLiteral("CV_Durchbiegung"));
        for (QChartView* v : {CV_Querkraft, CV_Moment, CV_Durchbiegung}) {
            // Kept, and refilled by each calculation.
            ChartSetzen(v, m_art == Art::Traeger ? Diagramme::Traegerdiagramm_Leer() : Diagramme::Biegediagramm_Leer());
            v->setMinimumHeight(Diagramme::Mindesthoehe);
            d->addWidget(v, 1);
            // New values bring new label widths: the plot areas are lined up again.
            connect(v->chart(), &QChart::plotAreaChanged, this, [this] { Buendig(); });
        }
        rollen->setWidget(diagramme);
        l->addWidget(rollen, 1);
        l->addWidget(L_Hinweis);
        l->addWidget(L_Zeiger);
        auto* vorzeichen = new QLabel(Diagramme::vorzeichenhinweis(), seite);
        vorzeichen->setWordWrap(true);
        l->addWidget(vorzeichen);
        TC_Verlaeufe->addTab(seite, QStringLiteral("Verläufe"));
    } else if (m_art == Art::Knickung) {
        auto* seite = new QWidget;
        seite->setObjectName(QStringLiteral("TS_Knicklinie"));
        auto* l = new QVBoxLayout(seite);
        CV_Knicklinie = ansicht(seite, QStringLiteral("CV_Knicklinie"));
        CV_Knicklinie->setMinimumHeight(Diagramme::Mindesthoehe);
        l->addWidget(CV_Knicklinie, 1);
        l->addWidget(L_Hinweis);
        l->addWidget(L_Zeiger);
        TC_Verlaeufe->addTab(seite, QStringLiteral("Knickspannungslinie"));
    }
    M_Rechenweg = new QPlainTextEdit(this);
    M_Rechenweg->setObjectName(QStringLiteral("M_Rechenweg"));
    M_Rechenweg->setReadOnly(true); // selectable and copyable, not editable
    M_Rechenweg->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TC_Verlaeufe->addTab(M_Rechenweg, QStringLiteral("Rechenweg"));
    if (m_art == Art::Scherung) {
        L_Hinweis->hide();
        L_Zeiger->hide();
    }

    auto* knoepfe = new QHBoxLayout;
    auto knopf = [&](const QString& name, const QString& text) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(name);
        knoepfe->addWidget(k);
        return k;
    };
    B_PDF = knopf(QStringLiteral("B_PDF"), QStringLiteral("Als PDF speichern"));
    B_PNG = knopf(QStringLiteral("B_PNG"), QStringLiteral("Als PNG speichern"));
    B_Drucken = knopf(QStringLiteral("B_Drucken"), QStringLiteral("Drucken"));
    knoepfe->addStretch(1);
    B_Schliessen = knopf(QStringLiteral("B_Schliessen"), QStringLiteral("Schließen"));
    B_PNG->setVisible(U_verlauf::hatBlock(m_art));
    haupt->addLayout(knoepfe);

    using Plattform::handler;
    connect(B_PDF, &QPushButton::clicked, this, handler(this, &TDLG_Verlaeufe::B_PDFClick));
    connect(B_PNG, &QPushButton::clicked, this, handler(this, &TDLG_Verlaeufe::B_PNGClick));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TDLG_Verlaeufe::B_DruckenClick));
    connect(B_Schliessen, &QPushButton::clicked, this, &QWidget::hide);
}

void TDLG_Verlaeufe::ChartSetzen(QChartView* ansicht, QChart* chart)
{
    QChart* alt = ansicht->chart();
    ansicht->setChart(chart);
    delete alt;
}

void TDLG_Verlaeufe::Buendig()
{
    // A hidden window is lined up when it is shown and laid out; the margins just set lay the
    // charts out again.
    if (m_beimAusrichten || !isVisible())
        return;
    const QScopedValueRollback sperre(m_beimAusrichten, true);
    QList<QChart*> charts;
    for (QChartView* v : {CV_Querkraft, CV_Moment, CV_Durchbiegung})
        if (v->isVisibleTo(this))
            charts.push_back(v->chart());
    Diagramme::buendig(charts);
}

void TDLG_Verlaeufe::Auffrischen()
{
    const U_verlauf::Stand& s = U_verlauf::stand(m_art);
    if (m_version == s.version)
        return;
    m_version = s.version;
    M_Rechenweg->setPlainText(
        s.protokoll.leer() ? QStringLiteral("Noch keine Berechnung in diesem Dialog.") : s.protokoll.text());
    L_Zeiger->clear();
    if (m_art == Art::Biegung) {
        using Diagramme::Groesse;
        const Diagramme::Biegedaten& d = s.biegung;
        const bool fall = d.fall >= 1 && d.fall <= 13;
        L_Skizze->setPixmap(
            fall ? QPixmap::fromImage(Lastfallbild::bild(Lastfallbild::biegung(d.fall), QSize(248, 124))) : QPixmap());
        const auto ergebnis = s.gelungen ? Diagramme::linienBerechnen(d) : Diagramme::Biegelinien_oder_Grund {};
        m_linien = ergebnis.linien;
        const bool mitLinien = m_linien.has_value();
        const bool mitF = mitLinien && m_linien->hatDurchbiegung();
        CV_Querkraft->setVisible(mitLinien);
        CV_Moment->setVisible(mitLinien);
        CV_Durchbiegung->setVisible(mitF);
        if (!mitLinien) {
            L_Hinweis->setText(!s.gerechnet ? QStringLiteral("Noch keine Berechnung in den Biegedialogen.")
                    : s.gelungen            ? QStringLiteral("Keine Verläufe: ") + ergebnis.grund
                                            : QStringLiteral("Keine Verläufe: Die letzte Rechnung wurde abgebrochen."));
            L_Hinweis->show();
            return;
        }
        Diagramme::Biegediagramm_Fuellen(CV_Querkraft->chart(), d, *m_linien, Groesse::Querkraft);
        Diagramme::Biegediagramm_Fuellen(CV_Moment->chart(), d, *m_linien, Groesse::Moment);
        if (mitF)
            Diagramme::Biegediagramm_Fuellen(CV_Durchbiegung->chart(), d, *m_linien, Groesse::Durchbiegung);
        L_Hinweis->setText(mitF ? QString() : Diagramme::ohneDurchbiegungHinweis());
        L_Hinweis->setVisible(!mitF);
        if (d.x)
            L_Zeiger->setText(QStringLiteral("Gewähltes ") + Diagramme::wertezeile(*m_linien, *d.x));
    } else if (m_art == Art::Traeger) {
        Traeger_Auffrischen(s);
    } else if (m_art == Art::Knickung) {
        // The curve needs a material, which the safety check hands over.
        const bool kurve = s.knickung.E > 0;
        ChartSetzen(CV_Knicklinie, kurve ? Diagramme::Knickdiagramm(s.knickung) : new QChart);
        L_Hinweis->setText(kurve ? Diagramme::Knickhinweis(s.knickung) : QStringLiteral("Noch keine Knicksicherheit berechnet."));
    }
}

void TDLG_Verlaeufe::Traeger_Auffrischen(const U_verlauf::Stand& s)
{
    using Diagramme::Groesse;
    const Diagramme::Traegerdaten& d = s.traeger;
    const bool mitLinien = s.gelungen;
    const bool mitF = mitLinien && d.ergebnis.mitDurchbiegung;
    L_Skizze->setPixmap(mitLinien ? QPixmap::fromImage(Traegerskizze::bild(
                            d.eingabe, QSize(L_Skizze->width() > 100 ? L_Skizze->width() - 20 : 900, 124), d.einheiten))
                                  : QPixmap());
    CV_Querkraft->setVisible(mitLinien);
    CV_Moment->setVisible(mitLinien);
    CV_Durchbiegung->setVisible(mitF);
    if (!mitLinien) {
        L_Hinweis->setText(QStringLiteral("Noch keine Berechnung im Fenster „Träger mit beliebigen Lasten“."));
        L_Hinweis->show();
        return;
    }
    Diagramme::Traegerdiagramm_Fuellen(CV_Querkraft->chart(), d, Groesse::Querkraft);
    Diagramme::Traegerdiagramm_Fuellen(CV_Moment->chart(), d, Groesse::Moment);
    if (mitF)
        Diagramme::Traegerdiagramm_Fuellen(CV_Durchbiegung->chart(), d, Groesse::Durchbiegung);
    L_Hinweis->setText(mitF ? QString() : Diagramme::ohneDurchbiegungHinweis());
    L_Hinweis->setVisible(!mitF);
}

void TDLG_Verlaeufe::Zeiger(double x)
{
    if (m_art == Art::Biegung && m_linien) {
        const double laenge = m_linien->traeger().laenge;
        L_Zeiger->setText(QStringLiteral("Zeiger bei ") + Diagramme::wertezeile(*m_linien, std::clamp(x, 0.0, laenge)));
    } else if (m_art == Art::Traeger && U_verlauf::stand(m_art).gelungen) {
        const auto& d = U_verlauf::stand(m_art).traeger;
        const double mm = Traegereinheiten::speichern(x, d.einheiten, Traegereinheiten::Groesse::Laenge);
        L_Zeiger->setText(QStringLiteral("Zeiger bei ") + Diagramme::traegerwertezeile(d, mm));
    } else if (m_art == Art::Knickung && x > 0) {
        const auto& d = U_verlauf::stand(m_art).knickung;
        L_Zeiger->setText(QStringLiteral("Zeiger bei λ = %1:  σK = %2 N/mm²")
                              .arg(Zahlen::fixiert(x, 2), Zahlen::fixiert(Knickspannungslinie::SigmaK(d, x), 2)));
    }
}

namespace {

// A name typed without an extension gets the one of its format ("Träger" → "Träger.pdf"), so
// that the file opens by a double click; a name with an extension is kept as typed.
QString mitEndung(const QString& datei, const QString& endung)
{
    if (!QFileInfo(datei).suffix().isEmpty())
        return datei;
    return datei.endsWith(u'.') ? datei + endung : datei + u'.' + endung;
}

// The save dialog proposes the extension as well, so that it also warns before overwriting
// the file with the extension.
QString speichername(QWidget* eltern, const QString& titel, const QString& filter, const QString& endung)
{
    QFileDialog dialog(eltern, titel, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endung);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString TDLG_Verlaeufe::Als_PDF_Speichern(const QString& eingabe)
{
    const QString datei = mitEndung(eingabe, QStringLiteral("pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    Zusatzseiten::Allein_Drucken(drucker, U_verlauf::Zusatzinhalt(m_art));
    return datei;
}

QString TDLG_Verlaeufe::Als_PNG_Speichern(const QString& eingabe)
{
    const QString datei = mitEndung(eingabe, QStringLiteral("png"));
    const bool biegelinien = m_art == Art::Biegung || m_art == Art::Traeger;
    QImage bild(1600, biegelinien ? 1725 : 1000, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        U_verlauf::Block_Zeichnen(m_art, maler, QRectF(0, 0, bild.width(), bild.height()));
    }
    if (!bild.save(datei, "PNG"))
        throw Plattform::Fehler::datei(datei, QStringLiteral("Die Datei kann nicht geschrieben werden."));
    return datei;
}

void TDLG_Verlaeufe::B_PDFClick()
{
    const QString datei
        = speichername(this, QStringLiteral("Als PDF speichern"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!datei.isEmpty())
        Als_PDF_Speichern(datei);
}

void TDLG_Verlaeufe::B_PNGClick()
{
    const QString datei
        = speichername(this, QStringLiteral("Als PNG speichern"), QStringLiteral("PNG (*.png)"), QStringLiteral("png"));
    if (!datei.isEmpty())
        Als_PNG_Speichern(datei);
}

void TDLG_Verlaeufe::B_DruckenClick()
{
    QPrintDialog dialog(&U_Printgr::Printer(), this);
    if (!U_druck::Einrichten(&dialog, windowTitle()))
        return;
    Zusatzseiten::Allein_Drucken(*dialog.printer(), U_verlauf::Zusatzinhalt(m_art));
}
