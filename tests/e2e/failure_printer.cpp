#include "failure_printer.h"

#include <cstdio>
#include <memory>

namespace {

using ::testing::TestEventListener;

class FailurePrinter : public TestEventListener {
public:
    explicit FailurePrinter(TestEventListener* inner) : inner_(inner) {}

    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (result.type() == ::testing::TestPartResult::kSuccess) return;
        const char* kind = result.type() == ::testing::TestPartResult::kSkip ? "Skipped" : "Failure";
        if (result.file_name())
            std::printf("%s:%d: %s\n%s\n", result.file_name(), result.line_number(), kind, result.message());
        else
            std::printf("unknown file: %s\n%s\n", kind, result.message());
        std::fflush(stdout);
    }

    void OnTestProgramStart(const ::testing::UnitTest& u) override { inner_->OnTestProgramStart(u); }
    void OnTestIterationStart(const ::testing::UnitTest& u, int i) override { inner_->OnTestIterationStart(u, i); }
    void OnEnvironmentsSetUpStart(const ::testing::UnitTest& u) override { inner_->OnEnvironmentsSetUpStart(u); }
    void OnEnvironmentsSetUpEnd(const ::testing::UnitTest& u) override { inner_->OnEnvironmentsSetUpEnd(u); }
    void OnTestSuiteStart(const ::testing::TestSuite& s) override { inner_->OnTestSuiteStart(s); }
    void OnTestStart(const ::testing::TestInfo& t) override { inner_->OnTestStart(t); }
    void OnTestDisabled(const ::testing::TestInfo& t) override { inner_->OnTestDisabled(t); }
    void OnTestEnd(const ::testing::TestInfo& t) override { inner_->OnTestEnd(t); }
    void OnTestSuiteEnd(const ::testing::TestSuite& s) override { inner_->OnTestSuiteEnd(s); }
#ifndef GTEST_REMOVE_LEGACY_TEST_CASEAPI_
    // GoogleTest's printer still prints its suite lines from these.
    void OnTestCaseStart(const ::testing::TestCase& c) override { inner_->OnTestCaseStart(c); }
    void OnTestCaseEnd(const ::testing::TestCase& c) override { inner_->OnTestCaseEnd(c); }
#endif
    void OnEnvironmentsTearDownStart(const ::testing::UnitTest& u) override { inner_->OnEnvironmentsTearDownStart(u); }
    void OnEnvironmentsTearDownEnd(const ::testing::UnitTest& u) override { inner_->OnEnvironmentsTearDownEnd(u); }
    void OnTestIterationEnd(const ::testing::UnitTest& u, int i) override { inner_->OnTestIterationEnd(u, i); }
    void OnTestProgramEnd(const ::testing::UnitTest& u) override { inner_->OnTestProgramEnd(u); }

private:
    std::unique_ptr<TestEventListener> inner_;
};

}  // namespace

void UseFailurePrinterWithoutDebuggerOutput()
{
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    if (TestEventListener* printer = listeners.Release(listeners.default_result_printer()))
        listeners.Append(new FailurePrinter(printer));
}
