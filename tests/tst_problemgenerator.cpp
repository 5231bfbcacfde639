#include "testSupport.h"

#include "model/modGlobalsConstants.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modResults.h"

#include <QList>

#include <cstdint>
#include <limits>

namespace
{

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr float LargestR = 1.0f - 0x1.0p-24f;

// The r that makes random_number(low, high) give value, for low <= high.
float rFor(std::int32_t value, std::int32_t low, std::int32_t high)
{
    const double n = double(high) - double(low) + 1.0;
    return float((double(value) - double(low) + 0.5) / n);
}

// Feeds random_number a fixed list of r values, then the largest r forever.
struct ScriptedSource {
    explicit ScriptedSource(QList<float> values)
    {
        SetRandomSource([values, i = qsizetype(0)]() mutable {
            return i < values.size() ? values[i++] : LargestR;
        });
    }
    ~ScriptedSource() { SetRandomSource({}); }
};

} // namespace

class tst_ProblemGenerator : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetDefaultSettings(); }

    void randomNumberFormula_data();
    void randomNumberFormula();
    void randomNumberStaysInRange();
    void operatorSlots();
    void resultTable_data();
    void resultTable();
    void divisionFlags_data();
    void divisionFlags();
    void workedExamples();
    void defaultsDrawSmallAdditions();
    void impossibleSettingsReturnAtOnce_data();
    void impossibleSettingsReturnAtOnce();
    void setAsideOperationGivesWayToAnother();
    void extremeLimits_data();
    void extremeLimits();
};

void tst_ProblemGenerator::randomNumberFormula_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("expected");

    QTest::newRow("equal limits, r 0") << 7 << 7 << 0.0f << 7.0;
    QTest::newRow("equal limits, largest r") << 7 << 7 << LargestR << 7.0;
    QTest::newRow("1..10, r 0") << 1 << 10 << 0.0f << 1.0;
    QTest::newRow("1..10, largest r") << 1 << 10 << LargestR << 10.0;
    QTest::newRow("1..10, r 0.45") << 1 << 10 << 0.45f << 5.0;
    QTest::newRow("reversed 10..1, r 0 gives low") << 10 << 1 << 0.0f << 10.0;
    QTest::newRow("reversed 10..1, tiny r") << 10 << 1 << 0x1.0p-24f << 9.0;
    QTest::newRow("reversed 10..1, largest r") << 10 << 1 << LargestR << 2.0;
    QTest::newRow("low one above high") << 5 << 4 << 0.7f << 5.0;
    QTest::newRow("top of int32, largest r") << Max32 << Max32 << LargestR << double(Max32);
    QTest::newRow("full int32, r 0") << Min32 << Max32 << 0.0f << double(Min32);
    QTest::newRow("full int32, largest r") << Min32 << Max32 << LargestR << double(Max32) - 255.0;
    QTest::newRow("negative range") << -10 << -1 << 0.99f << -1.0;
}

void tst_ProblemGenerator::randomNumberFormula()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(float, r);
    QFETCH(double, expected);

    ScriptedSource source({r});
    QCOMPARE(random_number(low, high), expected);
}

void tst_ProblemGenerator::randomNumberStaysInRange()
{
    // The clock-seeded generator: every value lies within the limits and both ends turn up.
    SetRandomSource({});
    QList<int> seen(6, 0);
    for (int i = 0; i < 6000; ++i) {
        const double value = random_number(-2, 3);
        QVERIFY2(value >= -2 && value <= 3, qPrintable(QString::number(value)));
        QCOMPARE(value, std::floor(value));
        ++seen[int(value) + 2];
    }
    for (int count : seen)
        QVERIFY(count > 500); // about 1000 each

    for (int i = 0; i < 1000; ++i) {
        const double value = random_number(10, 1);
        QVERIFY(value >= 2 && value <= 10);
    }
}

void tst_ProblemGenerator::operatorSlots()
{
    gbAdd = true;
    gbMult = true;
    {
        ScriptedSource source({0.49f});
        GenerateOperator();
        QCOMPARE(glOperator, std::int32_t(OperationAdd));
    }
    {
        ScriptedSource source({0.5f});
        GenerateOperator();
        QCOMPARE(glOperator, std::int32_t(OperationMultiply));
    }

    gbAdd = false;
    gbMult = false;
    GenerateOperator();
    QCOMPARE(glOperator, 0);

    // A single included operation is picked every time.
    includeOnly(OperationDivide);
    for (int i = 0; i < 50; ++i) {
        GenerateOperator();
        QCOMPARE(glOperator, std::int32_t(OperationDivide));
    }

    // A source that breaks its promise of 0 <= r < 1 still picks an included operation, from the
    // nearer end, and reads no slot beyond them.
    includeEverything();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float r : {1.0f, 1.5f, 1e30f, inf}) {
        ScriptedSource source({r});
        GenerateOperator();
        QCOMPARE(glOperator, std::int32_t(OperationDivide));
    }
    for (const float r : {-0.5f, -inf, nan}) {
        ScriptedSource source({r});
        GenerateOperator();
        QCOMPARE(glOperator, std::int32_t(OperationAdd));
    }
}

void tst_ProblemGenerator::resultTable_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("term1");
    QTest::addColumn<int>("term2");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<int>("result");

    QTest::newRow("5 + 10") << 1 << 5 << 10 << true << 15;
    QTest::newRow("3 - 7") << 2 << 3 << 7 << true << -4;
    QTest::newRow("-3 x 4") << 3 << -3 << 4 << true << -12;
    QTest::newRow("5 / 2") << 4 << 5 << 2 << true << 2;
    QTest::newRow("7 / 2") << 4 << 7 << 2 << true << 4;
    QTest::newRow("3 / 2") << 4 << 3 << 2 << true << 2;
    QTest::newRow("1 / 2") << 4 << 1 << 2 << true << 0;
    QTest::newRow("-5 / 2") << 4 << -5 << 2 << true << -2;
    QTest::newRow("-7 / 2") << 4 << -7 << 2 << true << -4;
    QTest::newRow("8 / 3") << 4 << 8 << 3 << true << 3;
    QTest::newRow("-6 / 3") << 4 << -6 << 3 << true << -2;
    QTest::newRow("0 / 5") << 4 << 0 << 5 << true << 0;
    QTest::newRow("5 / 0") << 4 << 5 << 0 << false << 0;
    QTest::newRow("0 / 0") << 4 << 0 << 0 << false << 0;
    QTest::newRow("min / -1") << 4 << Min32 << -1 << false << 0;
    QTest::newRow("min / 1") << 4 << Min32 << 1 << true << Min32;
    QTest::newRow("max / -1") << 4 << Max32 << -1 << true << -Max32;
    QTest::newRow("max + 1") << 1 << Max32 << 1 << false << 0;
    QTest::newRow("min + -1") << 1 << Min32 << -1 << false << 0;
    QTest::newRow("max + min") << 1 << Max32 << Min32 << true << -1;
    QTest::newRow("0 - min") << 2 << 0 << Min32 << false << 0;
    QTest::newRow("-1 - max") << 2 << -1 << Max32 << true << Min32;
    QTest::newRow("min x -1") << 3 << Min32 << -1 << false << 0;
    QTest::newRow("65536 x 32768") << 3 << 65536 << 32768 << false << 0;
    QTest::newRow("65536 x -32768") << 3 << 65536 << -32768 << true << Min32;
}

void tst_ProblemGenerator::resultTable()
{
    QFETCH(int, operation);
    QFETCH(int, term1);
    QFETCH(int, term2);
    QFETCH(bool, defined);
    QFETCH(int, result);

    const std::optional<std::int32_t> computed = ComputeResult(operation, term1, term2);
    QCOMPARE(computed.has_value(), defined);
    if (defined)
        QCOMPARE(*computed, result);
}

void tst_ProblemGenerator::divisionFlags_data()
{
    QTest::addColumn<int>("term1");
    QTest::addColumn<int>("term2");
    QTest::addColumn<bool>("positive");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("fraction");

    // The flags each division needs, and no more.
    QTest::newRow("8 / 2") << 8 << 2 << true << false << true << false;
    QTest::newRow("-6 / 3") << -6 << 3 << false << true << true << false;
    QTest::newRow("7 / 2") << 7 << 2 << true << false << false << true;
    QTest::newRow("1 / 3") << 1 << 3 << false << false << false << true;
    QTest::newRow("-1 / 3") << -1 << 3 << false << false << false << true;
    QTest::newRow("0 / 5") << 0 << 5 << false << false << true << false;
    QTest::newRow("6 / -3") << 6 << -3 << false << true << true << false;
    QTest::newRow("min / -1 overflows") << Min32 << -1 << true << true << true << true;
}

void tst_ProblemGenerator::divisionFlags()
{
    QFETCH(int, term1);
    QFETCH(int, term2);
    QFETCH(bool, positive);
    QFETCH(bool, negative);
    QFETCH(bool, whole);
    QFETCH(bool, fraction);

    const std::optional<std::int32_t> result = ComputeResult(OperationDivide, term1, term2);
    if (!result) {
        QVERIFY(positive && negative && whole && fraction); // marks a draw never accepted
        return;
    }

    // Accepted with exactly the needed flags; refused when any one of them is taken away.
    const unsigned needed =
        (positive ? 1 : 0) | (negative ? 2 : 0) | (whole ? 4 : 0) | (fraction ? 8 : 0);
    setResultKinds(OperationDivide, needed);
    QVERIFY(ResultAllowed(OperationDivide, term1, term2, *result));
    for (unsigned bit = 1; bit <= 8; bit <<= 1) {
        if (!(needed & bit))
            continue;
        setResultKinds(OperationDivide, needed & ~bit);
        QVERIFY2(!ResultAllowed(OperationDivide, term1, term2, *result),
                 qPrintable(QString::number(bit)));
    }
}

void tst_ProblemGenerator::workedExamples()
{
    // Subtraction allowing positive and zero differences: 3 - 7 is drawn again, 8 - 8 accepted.
    includeOnly(OperationSubtract);
    gbSubPos = true;
    gbSubZero = true;
    {
        ScriptedSource source(
            {0.0f, rFor(3, 1, 10), rFor(7, 1, 10), rFor(8, 1, 10), rFor(8, 1, 10)});
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, std::int32_t(OperationSubtract));
        QCOMPARE(glTerm1, 8);
        QCOMPARE(glTerm2, 8);
        QCOMPARE(glResult, 0);
    }

    // Division, positive and whole only: 7 / 2 and 1 / 3 are drawn again, 8 / 2 accepted.
    SetDefaultSettings();
    includeOnly(OperationDivide);
    gbDivPos = true;
    gbDivWhole = true;
    {
        ScriptedSource source({0.0f, rFor(7, 1, 10), rFor(2, 1, 10), rFor(1, 1, 10), rFor(3, 1, 10),
                               rFor(8, 1, 10), rFor(2, 1, 10)});
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glTerm1, 8);
        QCOMPARE(glTerm2, 2);
        QCOMPARE(glResult, 4);
    }

    // Multiplication, positive only, top term 0..3: 0 x 6 is accepted, a zero product needs no
    // flag.
    SetDefaultSettings();
    includeOnly(OperationMultiply);
    gbMultPos = true;
    glTerm1Low = 0;
    glTerm1High = 3;
    {
        ScriptedSource source({0.0f, rFor(0, 0, 3), rFor(6, 1, 10)});
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glTerm1, 0);
        QCOMPARE(glTerm2, 6);
        QCOMPARE(glResult, 0);
    }
}

void tst_ProblemGenerator::defaultsDrawSmallAdditions()
{
    SetRandomSource({});
    for (int i = 0; i < 2000; ++i) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, std::int32_t(OperationAdd));
        QVERIFY(glTerm1 >= 1 && glTerm1 <= 10);
        QVERIFY(glTerm2 >= 1 && glTerm2 <= 10);
        QCOMPARE(glResult, glTerm1 + glTerm2);
    }

    // Reversed limits 10 (low) and 1 (high) keep the top term within 2..10.
    glTerm1Low = 10;
    glTerm1High = 1;
    for (int i = 0; i < 500; ++i) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QVERIFY(glTerm1 >= 2 && glTerm1 <= 10);
    }
}

void tst_ProblemGenerator::impossibleSettingsReturnAtOnce_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("setting");

    QTest::newRow("subtraction, no kind allowed") << 2 << "";
    QTest::newRow("division, neither whole nor fraction") << 4 << "gbDivPos";
    QTest::newRow("addition, negative only, positive terms") << 1 << "gbAddNeg";
    QTest::newRow("multiplication, negative only, positive terms") << 3 << "gbMultNeg";
    QTest::newRow("division by zero only") << 4 << "zero divisor";
}

void tst_ProblemGenerator::impossibleSettingsReturnAtOnce()
{
    QFETCH(int, operation);
    QFETCH(QString, setting);

    includeOnly(operation);
    gbAddPos = false;
    if (setting == "gbDivPos")
        gbDivPos = true;
    if (setting == "gbAddNeg")
        gbAddNeg = true;
    if (setting == "gbMultNeg") {
        gbMultNeg = true;
        glTerm1Low = 1; // no zero term, so no zero product either
    }
    if (setting == "zero divisor") {
        gbDivWhole = gbDivFraction = gbDivPos = gbDivNeg = true;
        glTerm2Low = glTerm2High = 0;
    }
    glTerm1 = glTerm2 = glResult = 99;

    QCOMPARE(DrawProblem(), GenerateOutcome::NothingFits);
    QCOMPARE(glOperator, 0);
    QCOMPARE(glTerm1, 0);
    QCOMPARE(glTerm2, 0);
    QCOMPARE(glResult, 0);
}

void tst_ProblemGenerator::setAsideOperationGivesWayToAnother()
{
    // Subtraction allows nothing yet, so every problem comes from addition.
    gbSub = true;
    for (int i = 0; i < 200; ++i) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, std::int32_t(OperationAdd));
    }
}

void tst_ProblemGenerator::extremeLimits_data()
{
    QTest::addColumn<int>("operation");
    for (const Operation &operation : Operations)
        QTest::newRow(operation.name) << int(operation.code);
}

void tst_ProblemGenerator::extremeLimits()
{
    QFETCH(int, operation);

    includeEverything();
    includeOnly(operation);
    glTerm1Low = glTerm2Low = Min32;
    glTerm1High = glTerm2High = Max32;

    for (int i = 0; i < 300; ++i) {
        QCOMPARE(DrawProblem(), GenerateOutcome::Drawn);
        QCOMPARE(glOperator, std::int32_t(operation));
        const std::optional<std::int32_t> result = ComputeResult(operation, glTerm1, glTerm2);
        QVERIFY(result.has_value());
        QCOMPARE(glResult, *result);
    }

    // Both terms pinned to the most negative value: only subtraction (0) and division (1) fit.
    glTerm1High = glTerm2High = Min32;
    const GenerateOutcome outcome = DrawProblem();
    if (operation == OperationSubtract || operation == OperationDivide) {
        QCOMPARE(outcome, GenerateOutcome::Drawn);
        QCOMPARE(glResult, operation == OperationSubtract ? 0 : 1);
    } else {
        QCOMPARE(outcome, GenerateOutcome::NothingFits);
    }
}

TALLYWICK_TEST_MAIN(tst_ProblemGenerator)
#include "tst_problemgenerator.moc"
