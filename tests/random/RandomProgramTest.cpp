// The whole program against a small model of it, through thousands of random steps.
#include "AnswerCorpus.h"
#include "ProgramDriver.h"
#include "ProgramModel.h"

#include <QDateTime>
#include <QTest>

using namespace sostav::test;

namespace {

QtMessageHandler previousHandler = nullptr;

// Keys that nothing takes, such as Escape or Enter in a box, are part of the game here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Keyboard event not accepted")))
        return;
    previousHandler(type, context, message);
}

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("SOSTAV_SEED").toULongLong(&ok, 0);
    return ok ? seed : quint64(QDateTime::currentMSecsSinceEpoch());
}

long stepsFromEnvironment()
{
    bool ok = false;
    const long steps = qEnvironmentVariable("SOSTAV_STEPS").toLong(&ok);
    return ok && steps > 0 ? steps : 20000;
}

} // namespace

class RandomProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    // The model's own reading of every corpus text agrees with the value worked out by
    // hand, so that a verdict the model predicts rests on two independent readings.
    void modelReadsTheCorpus_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<double>("value");
        for (const CorpusText& entry : AnswerCorpus())
            QTest::newRow(entry.name) << entry.text << entry.value.has_value() << entry.value.value_or(0);
    }

    void modelReadsTheCorpus()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(double, value);
        const std::optional<double> read = ProgramModel::readAnswer(text);
        QCOMPARE(read.has_value(), fits);
        if (fits)
            QVERIFY2(*read == value, qPrintable(QString::number(*read, 'g', 17)));
    }

    void randomSteps()
    {
        const quint64 seed = seedFromEnvironment();
        const long steps = stepsFromEnvironment();
        qInfo("seed %llu, %ld steps (replay with SOSTAV_SEED=%llu)", seed, steps, seed);

        ProgramDriver driver(seed);
        std::optional<QString> difference = driver.compare();
        while (!difference && driver.steps() < steps)
            difference = driver.step();
        if (difference) {
            const QString message = QStringLiteral("Program and model differ after step %1 of run %2: %3\n"
                                                   "Replay with SOSTAV_SEED=%4 SOSTAV_STEPS=%5\n"
                                                   "The last steps:\n%6")
                                        .arg(driver.steps())
                                        .arg(driver.runs())
                                        .arg(*difference)
                                        .arg(seed)
                                        .arg(driver.steps())
                                        .arg(driver.history());
            QFAIL(qPrintable(message));
        }
        qInfo("%s", qPrintable(driver.statistics()));
    }
};

QTEST_MAIN(RandomProgramTest)
#include "RandomProgramTest.moc"
