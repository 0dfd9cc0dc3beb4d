#include "Testumgebung.h"

#include "gui/Main.h"

#include <QAbstractButton>
#include <QLineEdit>

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

} // namespace Testumgebung
