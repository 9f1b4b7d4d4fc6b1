#pragma once
// A run-time error: the event procedure that traps it hands its description
// to the fatal-error report.
#include <QString>

#include <exception>
#include <stdexcept>

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(const QString& description) : std::runtime_error(description.toStdString()) {}
};

// The description of a trapped error as the fatal-error report shows it.
inline QString DescriptionOf(const std::exception& error) { return QString::fromUtf8(error.what()); }
