#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Lets several Qt Test classes share one executable per folder.
struct RegisteredTest {
    const char* name;
    std::function<QObject*()> make;
};

std::vector<RegisteredTest>& RegisteredTests();
int RegisterTest(const char* name, std::function<QObject*()> make);
// Runs every registered class, or only those named as arguments; returns the failure count.
int RunRegisteredTests(int argc, char** argv);

#define QUOBIX_TEST(Class)                                                                         \
    static const int Class##Registered = RegisterTest(#Class, [] { return new Class; });
