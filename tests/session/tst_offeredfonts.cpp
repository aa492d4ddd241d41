// The rules of the offered font list, without any window.
#include "session/offeredfonts.h"

#include <QTest>

#include <algorithm>
#include <random>

using session::OfferedFonts;
using AddResult = OfferedFonts::AddResult;

Q_DECLARE_METATYPE(AddResult)

namespace {

// "Font 01" … "Font nn": distinct names that sort in numeric order.
QStringList numberedFonts(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

} // namespace

class TestOfferedFonts : public QObject {
    Q_OBJECT

private slots:
    void add_data();
    void add();
    void orderDoesNotDependOnInsertionOrder();
    void remove_data();
    void remove();
};

void TestOfferedFonts::add_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<AddResult>("result");
    QTest::addColumn<QStringList>("after");

    const QStringList two{QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};
    const QStringList seventeen = numberedFonts(17);
    const QStringList eighteen = numberedFonts(18);

    QTest::newRow("first font into an empty list")
        << QStringList() << QStringLiteral("Courier New") << AddResult::Added << QStringList{"Courier New"};
    QTest::newRow("lower-case name sorts among capitals")
        << two << QStringLiteral("dejaVu Sans") << AddResult::Added
        << QStringList{"Courier New", "dejaVu Sans", "Times New Roman"};
    QTest::newRow("sorted to the front") << two << QStringLiteral("Andika") << AddResult::Added
                                         << QStringList{"Andika", "Courier New", "Times New Roman"};
    QTest::newRow("sorted to the end") << two << QStringLiteral("Zapf") << AddResult::Added
                                       << QStringList{"Courier New", "Times New Roman", "Zapf"};
    QTest::newRow("Arial is fixed") << two << QStringLiteral("Arial") << AddResult::Refused << two;
    QTest::newRow("Verdana is fixed") << two << QStringLiteral("Verdana") << AddResult::Refused << two;
    QTest::newRow("only the exact name Arial is fixed")
        << two << QStringLiteral("arial") << AddResult::Added << QStringList{"arial", "Courier New", "Times New Roman"};
    QTest::newRow("already offered") << two << QStringLiteral("Courier New") << AddResult::Refused << two;
    QTest::newRow("same name in other case is another font")
        << two << QStringLiteral("courier new") << AddResult::Added
        << QStringList{"Courier New", "courier new", "Times New Roman"};
    QTest::newRow("empty name") << two << QString() << AddResult::Refused << two;
    QTest::newRow("the 18th font fills the list")
        << seventeen << QStringLiteral("Font 18") << AddResult::AddedNowFull << eighteen;
    QTest::newRow("a 19th font is not taken")
        << eighteen << QStringLiteral("Font 19") << AddResult::AlreadyFull << eighteen;
    QTest::newRow("offered font into a full list is just refused")
        << eighteen << QStringLiteral("Font 07") << AddResult::Refused << eighteen;
    QTest::newRow("fixed font into a full list is just refused")
        << eighteen << QStringLiteral("Verdana") << AddResult::Refused << eighteen;
}

void TestOfferedFonts::add()
{
    QFETCH(QStringList, before);
    QFETCH(QString, name);
    QFETCH(AddResult, result);
    QFETCH(QStringList, after);

    OfferedFonts offered{before};
    QCOMPARE(offered.add(name), result);
    QCOMPARE(offered.names, after);
    QCOMPARE(offered.isFull(), after.size() == OfferedFonts::maxCount);
}

void TestOfferedFonts::orderDoesNotDependOnInsertionOrder()
{
    QStringList names{"Liberation Serif", "liberation serif", "DejaVu Sans", "dejavu sans mono", "Noto Sans",
                      "Cantarell",        "cantarell",        "URW Gothic",  "Ubuntu",           "ubuntu Mono"};
    OfferedFonts reference;
    for (const QString &name : names)
        QCOMPARE_NE(reference.add(name), AddResult::Refused);
    QVERIFY(std::is_sorted(reference.names.cbegin(), reference.names.cend(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }));

    std::mt19937 random(12345);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(names.begin(), names.end(), random);
        OfferedFonts shuffled;
        for (const QString &name : names)
            shuffled.add(name);
        QCOMPARE(shuffled.names, reference.names);
    }
}

void TestOfferedFonts::remove_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("offered font") << QStringLiteral("Font 02") << true << QStringList{"Font 01", "Font 03"};
    QTest::newRow("name not offered") << QStringLiteral("Font 09") << false
                                      << QStringList{"Font 01", "Font 02", "Font 03"};
    QTest::newRow("removal is exact, not by case")
        << QStringLiteral("font 02") << false << QStringList{"Font 01", "Font 02", "Font 03"};
}

void TestOfferedFonts::remove()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QFETCH(QStringList, after);

    OfferedFonts offered{numberedFonts(3)};
    QCOMPARE(offered.remove(name), removed);
    QCOMPARE(offered.names, after);
}

QTEST_GUILESS_MAIN(TestOfferedFonts)
#include "tst_offeredfonts.moc"
