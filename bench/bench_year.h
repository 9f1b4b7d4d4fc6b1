#pragma once
// The installation every benchmark runs on: a temporary tree with the
// bundled database, its opening balance sheet and a generated year, opened
// as the program opens it. Built once per size and reused.
#include "temp_install.h"
#include "year_generator.h"

#include <memory>

class BenchYear {
public:
    // The year of that many transactions, making it when the size changes.
    static BenchYear& ofSize(int transactions);
    // Removes the year before the process-wide state goes at exit.
    static void release();

    const GeneratedYear& generated() const { return generated_; }
    TempInstall& install() { return *install_; }
    QString yearText() const { return QString::number(generated_.year); }
    QString dbPath() const;

private:
    explicit BenchYear(int transactions);
    static std::unique_ptr<BenchYear> current;
    std::unique_ptr<TempInstall> install_;
    GeneratedYear generated_;
};
