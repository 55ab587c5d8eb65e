// Tests of the scorecard catalogue: variant lookup, the exact item texts that the
// tables show, and the points rules every item must keep.
#include "Catalogue.h"

#include <QStringList>
#include <QTest>

#include <cstring>

namespace {

QString text(const char *s)
{
    return QString::fromLatin1(s);
}

bool isPrintableAscii(const char *s)
{
    for (; *s; ++s) {
        if (static_cast<unsigned char>(*s) < 0x20 || static_cast<unsigned char>(*s) > 0x7e)
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(const Catalogue *)

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findCatalogue_data();
    void findCatalogue();
    void itemTexts_data();
    void itemTexts();
    void variantShape_data();
    void variantShape();
    void headingsFollowNumbering_data();
    void headingsFollowNumbering();
    void bigItemsRateFourToZero();
    void smallOptionTextsEndWithFullStop();
    void bigItemOneOptionTexts();
};

void TestCatalogue::findCatalogue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<const Catalogue *>("expected");

    const Catalogue *big = &bigMunicipalityCatalogue();
    const Catalogue *small = &smallMunicipalityCatalogue();
    const Catalogue *none = nullptr;

    QTest::newRow("big exact") << "BigMunicipality" << big;
    QTest::newRow("small exact") << "SmallMunicipality" << small;
    QTest::newRow("big lower case") << "bigmunicipality" << none;
    QTest::newRow("small upper case") << "SMALLMUNICIPALITY" << none;
    QTest::newRow("big trailing blank") << "BigMunicipality " << none;
    QTest::newRow("small leading blank") << " SmallMunicipality" << none;
    QTest::newRow("big trailing line break") << "BigMunicipality\n" << none;
    QTest::newRow("blank inside") << "Big Municipality" << none;
    QTest::newRow("prefix only") << "Small" << none;
    QTest::newRow("longer text") << "BigMunicipalityX" << none;
    QTest::newRow("empty") << "" << none;
}

void TestCatalogue::findCatalogue()
{
    QFETCH(QString, key);
    QFETCH(const Catalogue *, expected);

    const Catalogue *found = ::findCatalogue(key);
    QCOMPARE(found, expected);
    if (found)
        QCOMPARE(text(found->key), key);
}

void TestCatalogue::itemTexts_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("maxPoints");
    QTest::addColumn<int>("bestPoints");

    const QString big = BigMunicipality;
    const QString small = SmallMunicipality;

    QTest::newRow("big 1 plain heading") << big << 1 << "Development of Standard Water Balance"
                                         << "1. Development of Standard Water Balance" << 4 << 4;
    QTest::newRow("big 4 heading differs from description")
        << big << 4 << "Non Residential Meters (Commercial, Industrial and Institutional)"
        << "4. Non Residential Metering System (Commercial, Industrial and Institutional) " << 4
        << 4;
    QTest::newRow("big 5 heading trailing blank")
        << big << 5 << "Effective Billing System including Informative Billing"
        << "5. Effective Billing System including Informative Billing " << 4 << 4;
    QTest::newRow("big 12 trailing blanks") << big << 12 << "Active Leakage Control "
                                            << "12. Active Leakage Control " << 4 << 4;
    QTest::newRow("big 25 last item")
        << big << 25 << "Newspaper & radio articles plus posters and leaflets for distribution"
        << "25. Newspaper & radio articles plus posters and leaflets for distribution" << 4 << 4;
    QTest::newRow("small 12 two trailing blanks")
        << small << 12 << "Credit Control Policy and Implementation  "
        << "12. Credit Control Policy and Implementation." << 4 << 4;
    QTest::newRow("small 13 max below best option") << small << 13 << "Pressure Management "
                                                    << "13. Pressure Management." << 3 << 4;
    QTest::newRow("small 20 trailing blank") << small << 20 << "Waste Effluent Re-use "
                                             << "20. Waste Effluent Re-use." << 3 << 3;
    QTest::newRow("small 22 last item")
        << small << 22 << "Retrofit Internal Plumbing in Public Buildings & Indigent Properties"
        << "22. Retrofit Internal Plumbing in Public Buildings & Indigent Properties." << 3 << 3;
}

void TestCatalogue::itemTexts()
{
    QFETCH(QString, variant);
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, heading);
    QFETCH(int, maxPoints);
    QFETCH(int, bestPoints);

    const Catalogue *catalogue = ::findCatalogue(variant);
    QVERIFY(catalogue);
    QVERIFY(number <= int(catalogue->items.size()));
    const CatalogueItem &item = catalogue->items[std::size_t(number - 1)];
    QCOMPARE(item.number, number);
    QCOMPARE(text(item.description), description);
    QCOMPARE(text(item.heading), heading);
    QCOMPARE(item.maxPoints, maxPoints);
    QCOMPARE(item.answerOptions().front().points, bestPoints);
}

void TestCatalogue::variantShape_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QList<int>>("optionCounts");

    QList<int> big(25, 5);
    QList<int> small(19, 5);
    small << 4 << 3 << 4;
    QTest::newRow("big") << QString(BigMunicipality) << big;
    QTest::newRow("small") << QString(SmallMunicipality) << small;
}

// Items numbered 1..n in order, the expected option counts, a total of 100,
// points never rising down an item, and readable option texts in every used slot.
void TestCatalogue::variantShape()
{
    QFETCH(QString, variant);
    QFETCH(QList<int>, optionCounts);

    const Catalogue *catalogue = ::findCatalogue(variant);
    QVERIFY(catalogue);
    QCOMPARE(qsizetype(catalogue->items.size()), optionCounts.size());

    int total = 0;
    for (const CatalogueItem &item : catalogue->items) {
        const int index = int(&item - catalogue->items.data());
        const QByteArray where = variant.toLatin1() + " item " + QByteArray::number(item.number);
        QCOMPARE(item.number, index + 1);
        QCOMPARE(item.optionCount, optionCounts.at(index));
        QVERIFY2(item.maxPoints >= 0, where);
        total += item.maxPoints;

        int previous = item.options.front().points;
        for (const CatalogueOption &option : item.answerOptions()) {
            QVERIFY2(option.text && *option.text, where);
            QVERIFY2(isPrintableAscii(option.text), where + ": " + option.text);
            QVERIFY2(option.text[std::strlen(option.text) - 1] != ' ', where + ": " + option.text);
            QVERIFY2(option.points >= 0 && option.points <= previous, where + ": " + option.text);
            previous = option.points;
        }
        QVERIFY2(isPrintableAscii(item.description) && isPrintableAscii(item.heading), where);
    }
    QCOMPARE(total, 100);
}

void TestCatalogue::headingsFollowNumbering_data()
{
    QTest::addColumn<QString>("variant");
    QTest::addColumn<bool>("trimDescription"); // drop the description's trailing blanks
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QList<int>>("exceptions"); // items whose heading is worded differently

    QTest::newRow("big: number and description as is")
        << QString(BigMunicipality) << false << "" << QList<int>{4, 5};
    QTest::newRow("small: number, trimmed description, full stop")
        << QString(SmallMunicipality) << true << "." << QList<int>{};
}

void TestCatalogue::headingsFollowNumbering()
{
    QFETCH(QString, variant);
    QFETCH(bool, trimDescription);
    QFETCH(QString, ending);
    QFETCH(QList<int>, exceptions);

    const Catalogue *catalogue = ::findCatalogue(variant);
    QVERIFY(catalogue);
    for (const CatalogueItem &item : catalogue->items) {
        if (exceptions.contains(item.number))
            continue;
        QString description = text(item.description);
        if (trimDescription) {
            while (description.endsWith(QLatin1Char(' ')))
                description.chop(1);
        }
        QCOMPARE(text(item.heading),
                 QString::number(item.number) + QLatin1String(". ") + description + ending);
    }
}

void TestCatalogue::bigItemsRateFourToZero()
{
    const QList<int> ladder{4, 3, 2, 1, 0};
    for (const CatalogueItem &item : bigMunicipalityCatalogue().items) {
        QList<int> points;
        for (const CatalogueOption &option : item.answerOptions())
            points << option.points;
        const QByteArray where = "item " + QByteArray::number(item.number);
        QVERIFY2(item.maxPoints == 4, where);
        QVERIFY2(points == ladder, where);
    }
}

void TestCatalogue::smallOptionTextsEndWithFullStop()
{
    for (const CatalogueItem &item : smallMunicipalityCatalogue().items) {
        for (const CatalogueOption &option : item.answerOptions())
            QVERIFY2(text(option.text).endsWith(QLatin1Char('.')), option.text);
    }
}

void TestCatalogue::bigItemOneOptionTexts()
{
    const QStringList expected{
        "WSA has developed reliable water balance and results indicate UAW/NRW at less than 20%",
        "WSA has developed reliable water balance and results indicate UAW/NRW at 20% to 40%",
        "WSA has developed reliable water balance and results indicate UAW/NRW at more than 40%",
        "WSA has no water balance. Is currently developing one",
        "WSA has no water balance",
    };
    QStringList actual;
    for (const CatalogueOption &option : bigMunicipalityCatalogue().items.front().answerOptions())
        actual << text(option.text);
    QCOMPARE(actual, expected);
}

QTEST_APPLESS_MAIN(TestCatalogue)

#include "tst_catalogue.moc"
