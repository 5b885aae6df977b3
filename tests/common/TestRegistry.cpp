#include "common/TestRegistry.h"

#include <QStringList>
#include <QTest>
#include <memory>

std::vector<RegisteredTest>& RegisteredTests()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

int RegisterTest(const char* name, std::function<QObject*()> make)
{
    RegisteredTests().push_back({ name, std::move(make) });
    return static_cast<int>(RegisteredTests().size());
}

int RunRegisteredTests(int argc, char** argv)
{
    // "tst_x ClassName [qtest options]" runs one class; otherwise every class runs.
    QStringList only;
    int first = 1;
    while (first < argc && argv[first][0] != '-') {
        only << QString::fromLocal8Bit(argv[first]);
        ++first;
    }
    QStringList args { QString::fromLocal8Bit(argv[0]) };
    for (int i = first; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    int failures = 0;
    for (const auto& test : RegisteredTests()) {
        if (!only.isEmpty() && !only.contains(QLatin1String(test.name)))
            continue;
        std::unique_ptr<QObject> object(test.make());
        failures += QTest::qExec(object.get(), args);
    }
    return failures;
}
