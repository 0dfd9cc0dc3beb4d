#include "core/projekt/Profilabgleich.h"

#include "core/platform/Zahlen.h"

#include <QStringList>
#include <cmath>

namespace Profilabgleich {

using Zahlen::fixiert;

namespace {

const QString Leer = QStringLiteral("LEER");

// Table values and typed ones agree to the digits a table gives; only a real change counts.
bool gleich(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(std::fabs(a), std::fabs(b)); }

} // namespace

const Unit1::TProfilrecord* Bibliothekseintrag(const QString& name, const Unit1::TProfilbibliothek& bibliothek)
{
    if (name.trimmed().isEmpty())
        return nullptr;
    for (const Unit1::TProfildat& familie : bibliothek)
        for (const Unit1::TProfilrecord& r : familie) {
            if (r.Art == Leer)
                break; // the list ends before the first free entry
            if (r.Name.trimmed() == name.trimmed())
                return &r;
        }
    return nullptr;
}

std::optional<Projekt::Profil> ausBibliothek(const Projekt::Position& p, const Unit1::TProfilbibliothek& bibliothek)
{
    if (!p.mitProfil)
        return std::nullopt;
    const Unit1::TProfilrecord* r = Bibliothekseintrag(p.profil.name, bibliothek);
    if (!r)
        return std::nullopt;
    const bool quer = p.profil.ausrichtung == Projekt::Ausrichtung::Quer;
    Projekt::Profil neu = p.profil;
    neu.W = quer ? r->Wmin : r->Wmax;
    neu.I = quer ? r->Imin : r->Imax;
    neu.A = r->A;
    return neu;
}

QString Abweichung(const Projekt::Position& p, const Unit1::TProfilbibliothek& bibliothek)
{
    const auto neu = ausBibliothek(p, bibliothek);
    if (!neu)
        return {};
    QStringList unterschiede;
    const auto vergleichen = [&](const QString& name, double bib, double eigen, const QString& einheit) {
        if (!gleich(bib, eigen))
            unterschiede << QStringLiteral("%1 = %2 %3 (Position %4 %3)").arg(name, fixiert(bib, 2), einheit, fixiert(eigen, 2));
    };
    if (p.profil.W != 0) // a column's position keeps no W: it does not compute with it
        vergleichen(QStringLiteral("W"), neu->W, p.profil.W, QStringLiteral("cm³"));
    vergleichen(QStringLiteral("I"), neu->I, p.profil.I, QStringLiteral("cm⁴"));
    vergleichen(QStringLiteral("A"), neu->A, p.profil.A, QStringLiteral("mm²"));
    if (unterschiede.isEmpty())
        return {};
    return QStringLiteral("Die Profilbibliothek hat für %1 andere Werte: %2. Die Position rechnet mit ihren eigenen Werten.")
        .arg(p.profil.name, unterschiede.join(QStringLiteral(", ")));
}

} // namespace Profilabgleich
