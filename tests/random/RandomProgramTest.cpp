// The whole program against a small model of it, through thousands of random steps.
// SOSTAV_SEED replays a run; SOSTAV_STEPS sets its length.
#include "ProgramDriver.h"

#include <QDateTime>
#include <QTest>

using namespace sostav::test;

namespace {

QtMessageHandler previousHandler = nullptr;

// Keys that nothing takes, such as Escape or Enter in a box, are part of the game here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("Keyboard event not accepted"))
        && message != QLatin1String("This plugin does not support raise()"))
        previousHandler(type, context, message);
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
        QTest::addColumn<std::optional<double>>("value");
        for (const CorpusText& entry : AnswerCorpus())
            QTest::newRow(qPrintable(entry.name)) << entry.text << entry.value;
    }

    void modelReadsTheCorpus()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<double>, value);
        const std::optional<double> read = ProgramModel::readAnswer(text);
        QVERIFY2(read == value, read ? qPrintable(QString::number(*read, 'g', 17)) : "overflow");
    }

    void randomSteps()
    {
        bool ok = false;
        quint64 seed = qEnvironmentVariable("SOSTAV_SEED").toULongLong(&ok, 0);
        if (!ok)
            seed = quint64(QDateTime::currentMSecsSinceEpoch());
        const long requested = qEnvironmentVariable("SOSTAV_STEPS").toLong();
        const long steps = requested > 0 ? requested : 20000;
        qInfo("seed %llu, %ld steps (replay with SOSTAV_SEED=%llu)", seed, steps, seed);

        ProgramDriver driver(seed);
        std::optional<QString> difference = driver.compare();
        while (!difference && driver.steps() < steps)
            difference = driver.step();
        // One pass of arg(), so that no % in a box's text is taken for a placeholder.
        if (difference)
            QFAIL(qPrintable(QStringLiteral("Program and model differ after step %1 of run %2: %3\n"
                                            "Replay with SOSTAV_SEED=%4 SOSTAV_STEPS=%1\nThe last steps:\n%5")
                                 .arg(QString::number(driver.steps()), QString::number(driver.runs()), *difference,
                                     QString::number(seed), driver.history())));
        qInfo("%s", qPrintable(driver.statistics()));
    }
};

QTEST_MAIN(RandomProgramTest)
#include "RandomProgramTest.moc"
