// The rules of the offered font list, without any window.
#include "session/offeredfonts.h"

#include <QTest>

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
    QStringList full;
    for (int i = 1; i <= OfferedFonts::maxCount; ++i)
        full << QString::number(100 + i);
    const QStringList two{"Courier New", "Times New Roman"};
    // The fixed fonts are named exactly; refusals come before fullness.
    const std::tuple<QStringList, QString, AddResult> rows[] = {{two, "arial", AddResult::Added},
                                                                {two, "Verdana", AddResult::Refused},
                                                                {two, "Courier New", AddResult::Refused},
                                                                {two, "", AddResult::Refused},
                                                                {full.mid(1), "101", AddResult::AddedNowFull},
                                                                {full, "119", AddResult::AlreadyFull},
                                                                {full, "107", AddResult::Refused}};
    for (const auto &[before, name, result] : rows) {
        OfferedFonts offered{before};
        QCOMPARE(offered.add(name), result);
        const bool added = result == AddResult::Added || result == AddResult::AddedNowFull;
        QCOMPARE(offered.names.size(), before.size() + added);
        QCOMPARE(offered.names.contains(name), before.contains(name) || added);
    }
}

void TestOfferedFonts::orderIsCaseBlindAndRemovalExact()
{
    const QStringList sorted{"Cantarell",        "cantarell", "DejaVu Sans", "dejavu sans mono", "Liberation Serif",
                             "liberation serif", "Noto Sans", "Ubuntu",      "ubuntu Mono",      "URW Gothic"};
    // Added back to front: names that differ only in case do not keep the
    // order they came in.
    OfferedFonts offered;
    for (qsizetype i = sorted.size() - 1; i >= 0; --i)
        QCOMPARE(offered.add(sorted[i]), AddResult::Added);
    QCOMPARE(offered.names, sorted);
    QVERIFY(!offered.remove("ubuntu") && offered.remove("Ubuntu"));
    QCOMPARE(offered.names.size(), sorted.size() - 1);
}

QTEST_GUILESS_MAIN(TestOfferedFonts)
#include "tst_offeredfonts.moc"
