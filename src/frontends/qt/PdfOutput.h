#pragma once

class QIODevice;
class QPageSize;
class QPdfWriter;
class QString;
class ScheduleDocument;

// The page size a PDF is written on: the user's where Qt knows it (Letter
// where the locale measures in US units), A4 everywhere else.
QPageSize DefaultPageSize();

// Writes the document as PDF to out, each section turned the way it prints
// largest. False when nothing could be painted (out is then unusable).
bool WriteSchedulePdf(const ScheduleDocument& document, QIODevice& out, const QPageSize& pageSize);

// Titles the PDF, names the program that made it and sets a portrait page of
// that size with a margin of marginMm millimetres all round.
void SetUpPdfWriter(QPdfWriter& writer, const QString& title, const QPageSize& pageSize,
                    double marginMm);
