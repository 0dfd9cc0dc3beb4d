#pragma once
// The one window of a kind for the whole run, built the first time anything uses it, so that the
// start builds only the main window. It reads like the pointer it stands for (`DLG_Biegung1->…`,
// a `QWidget*` or `TDLG_Biegung1*` from it): every use reaches the same window, built or not yet.
#include <QWidget>

namespace Plattform {

template <typename T> class Einmalfenster {
public:
    Einmalfenster() = default;
    Einmalfenster(const Einmalfenster&) = delete;
    Einmalfenster& operator=(const Einmalfenster&) = delete;

    // The window will be built as a child of `eltern` (the main window), which deletes it again;
    // none, once that is gone: the window is forgotten and nothing is built any more.
    void vorsehen(QWidget* eltern)
    {
        m_eltern = eltern;
        m_fenster = nullptr;
    }

    // The window, built now if it was not yet; none before vorsehen().
    T* get() const
    {
        if (!m_fenster && m_eltern)
            m_fenster = new T(m_eltern);
        return m_fenster;
    }
    // Whether the window exists, without building it.
    bool gebaut() const { return m_fenster; }

    operator T*() const { return get(); }
    T* operator->() const { return get(); }

private:
    QWidget* m_eltern = nullptr;
    mutable T* m_fenster = nullptr;
};

} // namespace Plattform
