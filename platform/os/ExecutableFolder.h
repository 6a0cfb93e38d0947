#pragma once
// The folder of the running program, where the masters, images and language files
// are installed. Tests point it at a folder of their own.

#include <QString>

namespace ExecutableFolder {

// The folder of the running binary, unless overridden; without a trailing slash.
QString Path();
// Overrides the folder (tests); an empty path restores the real one.
void Override(const QString& path);
// Path of a file or subfolder inside it.
QString File(const QString& relative);

}  // namespace ExecutableFolder
