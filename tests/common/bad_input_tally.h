// Counts the bad-input cases a Qt test program tries and prints the totals when it
// ends, as the install tests print theirs for injected faults.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QTest>
#include <cstdio>
#include <utility>

namespace kestro::test {

class BadInputTally {
  public:
    BadInputTally(const char* what, QSet<QByteArray> testFunctions)
        : what_(what), functions_(std::move(testFunctions)) {}

    // From the test class's cleanup(): counts the data row that has just run.
    void countIfBadInput() {
        if (!functions_.contains(QByteArray(QTest::currentTestFunction()))) return;
        ++tried_;
        if (!QTest::currentTestFailed()) ++survived_;
    }
    // From cleanupTestCase().
    void print() const {
        std::printf("%s: %d cases tried, %d survived\n", what_, tried_, survived_);
        std::fflush(stdout);
    }

  private:
    const char* what_;
    QSet<QByteArray> functions_;
    int tried_ = 0, survived_ = 0;
};

}  // namespace kestro::test
