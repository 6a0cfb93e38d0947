#pragma once
// The progress API of long operations. Every BeginProgress is paired with an
// EndProgress (TProgressScope does it for C++ callers). A cancellable outermost
// level raises "Proceso cancelado por el usuario" from the next progress report
// after the user pressed Escape and confirmed.

#include <QString>

class TSQLDataSet;
class TSplash;

void BeginProgress(const QString& caption, const QString& text, bool cancelAllowed = false, int percent = 0,
                   bool showPercent = true);
// Raises ESplash without a level.
void SetProgress(const QString& text, int percent);
// (index + 1) * 100 / count; a count of 0 counts as the largest integer.
void SetProgressCount(const QString& text, int index, int count);
// The dataset's record number over its record count, "(n/m) " before the text;
// 100 % on an empty dataset and 0 % without one.
void SetProgressRecord(const QString& text, TSQLDataSet* dataSet);
// Raises ESplash without a level; does nothing before the first BeginProgress.
void EndProgress();

// The shared progress object, nullptr before the first BeginProgress.
TSplash* ProgressInstance();
// Frees the shared object (end of the program, tests).
void FreeProgress();
