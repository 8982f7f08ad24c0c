// Drawing a number that nothing holds yet: drawn again while taken, a repeated draw looked
// up once.
#include "frontdesk/shared/drawunique.h"

#include <QtTest>

using namespace frontdesk;

class TestDrawUnique : public QObject {
    Q_OBJECT
private slots:
    void drawnAgainWhileTaken();
};

void TestDrawUnique::drawnAgainWhileTaken()
{
    QStringList draws{"999999", "999999", "101010", "121212"};
    QStringList looked;
    const auto taken = [&](const QString &id) -> std::optional<bool> {
        looked << id;
        return id != "121212";
    };
    QCOMPARE(DrawUnique([&] { return draws.takeFirst(); }, taken), std::optional<QString>("121212"));
    QCOMPARE(looked, QStringList({"999999", "101010", "121212"}));
}

QTEST_MAIN(TestDrawUnique)
#include "tst_drawunique.moc"
