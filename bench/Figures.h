// The in-process measurements of the benchmark. Each returns the median of
// repeated runs for the subject and for its baseline, measured interleaved so
// that a slower spell of a shared machine hits both alike.
#pragma once

#include <QList>
#include <QString>

struct Measurement
{
    double median = 0.0;   // the subject
    double baseline = 0.0; // what it is compared with; 0 when it has none
    QString unit = QStringLiteral("ms");
    QString note;          // why it could not be measured, when it could not

    static Measurement of(double median, double baseline);
    static Measurement missing(const QString &why);
};

// Median of the values (the values are reordered).
double median(QList<double> &values);

// SelectOption plus a full repaint of the visible breakdown table, against the
// repaint alone; needs a QApplication.
Measurement measureClick(int rounds);

// Read, check and apply an answered big scorecard file.
Measurement measureOpen(int rounds);

// The breakdown section of an answered big scorecard written to a PDF at
// 600 dpi, against as many pages holding only the page frame.
Measurement measureReport(int rounds, int *pages);

// `quorval-cli summary` over `fileCount` generated files, against `cat` of
// the same files; `cliPath` empty means the tool is not built.
Measurement measureBatch(const QString &cliPath, int fileCount, int rounds);
