#include "Testumgebung.h"
class T : public QObject { Q_OBJECT };
TRABEX_TEST_MAIN(T)
#include "test_gelieferte_daten.moc"
