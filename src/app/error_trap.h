#pragma once
// The screens' trap around each piece of work: a run-time error inside it
// ends in the fatal-error report instead of escaping to the event loop.
#include <exception>

// Whether the error text is shown in a message box of its own before the report.
enum class OnRunTimeError { Report, ShowThenReport };

[[noreturn]] void ReportTrappedError(const std::exception& error, OnRunTimeError onError);

// Runs the work and returns what it returns.
template <class Work>
auto TrapRunTimeErrors(Work work, OnRunTimeError onError = OnRunTimeError::Report) -> decltype(work()) {
    try {
        return work();
    } catch (const std::exception& error) {
        ReportTrappedError(error, onError);
    }
}
