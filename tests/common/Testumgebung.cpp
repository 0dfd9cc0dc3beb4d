#include "Testumgebung.h"

#include "gui/Main.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/sections/U_profil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace Testumgebung {

Programm::Programm(const Programmverzeichnis&)
{
    zustandZuruecksetzen();
    Main::Programmstart();
}

Programm::~Programm() { Main::Programmende(); }

namespace {

const Programmverzeichnis& vorbereitet(
    const Programmverzeichnis& verzeichnis, const std::function<void(const Programmverzeichnis&)>& daten)
{
    if (daten)
        daten(verzeichnis);
    return verzeichnis;
}

} // namespace

Programmlauf::Programmlauf(const std::function<void(const Programmverzeichnis&)>& daten)
    : m_programm(vorbereitet(verzeichnis, daten))
{
    startmeldungen = rekorder.texte();
    rekorder.leeren();
}

void tippen(QWidget* fenster, const char* feld, const QString& text)
{
    auto* e = fenster->findChild<QLineEdit*>(QString::fromLatin1(feld));
    QVERIFY2(e, feld);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);
    QCOMPARE(e->text(), text);
}

void klicken(QWidget* fenster, const char* knopf)
{
    auto* k = fenster->findChild<QAbstractButton*>(QString::fromLatin1(knopf));
    QVERIFY2(k, knopf);
    QTest::mouseClick(k, Qt::LeftButton);
}

bool woandersHinsehen(
    QWidget* d, const QString& fenster, const char* verlaufsknopf, const QString& verlaufsfenster, const char* profilknopf)
{
    if (fenster == QStringLiteral("Verläufe")) {
        klicken(d, verlaufsknopf);
        QWidget* v = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == verlaufsfenster)
                v = w;
        QTest::qVerify(v && v->isVisible(), "v && v->isVisible()", qPrintable(verlaufsfenster), __FILE__, __LINE__);
        if (v)
            v->close();
    } else if (fenster == QStringLiteral("Formel")) {
        QTimer::singleShot(0, U_Formel::DLG_Formel, &QDialog::reject);
        klicken(d, "B_Formel");
    } else if (fenster == QStringLiteral("Hilfe")) {
        QTimer::singleShot(0, U_Hilfe::DLG_Hilfe, &QDialog::reject);
        klicken(d, "BitBtn1");
    } else if (fenster == QStringLiteral("Profilwahl abgebrochen")) {
        QTimer::singleShot(0, U_profil::DLG_Profil, [] {
            Plattform::aktivieren(U_profil::DLG_Profil); // offscreen windows are not activated by themselves
            U_profil::DLG_Profil->CancelBtn->click();
        });
        klicken(d, profilknopf);
    } else {
        return false;
    }
    return true;
}

} // namespace Testumgebung
