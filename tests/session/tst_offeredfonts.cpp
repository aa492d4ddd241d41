// The rules of the offered font list, without any window.
#include "session/offeredfonts.h"

#include <QTest>

#include <algorithm>
#include <random>

using session::OfferedFonts;
using AddResult = OfferedFonts::AddResult;

class TestOfferedFonts : public QObject {
    Q_OBJECT
private slots:
    void add();
    void orderIsCaseBlindAndRemovalExact();
};

void TestOfferedFonts::add()
{
    QStringList full; // "Font 01" … "Font 18"
    while (full.size() < OfferedFonts::maxCount)
        full << QStringLiteral("Font %1").arg(full.size() + 1, 2, 10, QLatin1Char('0'));
    const QStringList two{"Courier New", "Times New Roman"};
    const struct {
        QStringList before;
        QString name;
        AddResult result;
    } rows[] = {{two, "dejaVu Sans", AddResult::Added},
                {two, "Verdana", AddResult::Refused}, // fixed
                {two, "arial", AddResult::Added},
                {two, "Courier New", AddResult::Refused},
                {two, "", AddResult::Refused},
                {full.mid(1), "Font 01", AddResult::AddedNowFull},
                {full, "Font 19", AddResult::AlreadyFull},
                {full, "Font 07", AddResult::Refused}};
    for (const auto &row : rows) {
        OfferedFonts offered{row.before};
        QCOMPARE(offered.add(row.name), row.result);
        const bool added = row.result == AddResult::Added || row.result == AddResult::AddedNowFull;
        QCOMPARE(offered.names.contains(row.name), row.before.contains(row.name) || added);
        QCOMPARE(offered.names.size(), row.before.size() + added);
        QCOMPARE(offered.isFull(), offered.names.size() == OfferedFonts::maxCount);
    }
}

void TestOfferedFonts::orderIsCaseBlindAndRemovalExact()
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
    QVERIFY(!reference.remove("ubuntu") && reference.remove("Ubuntu"));
    QCOMPARE(reference.names.size(), names.size() - 1);
}

QTEST_GUILESS_MAIN(TestOfferedFonts)
#include "tst_offeredfonts.moc"
