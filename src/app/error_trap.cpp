#include "app/error_trap.h"

#include "app/fatal_error.h"
#include "app/message_box.h"
#include "app/runtime_error.h"

void ReportTrappedError(const std::exception& error, OnRunTimeError onError) {
    const QString description = DescriptionOf(error);
    if (onError == OnRunTimeError::ShowThenReport) ShowMessage(description);
    ReportFatalError(description);
}
